#include "translator/TranslateText.h"

#include <limits>
#include <utility>

#include "ground/Direction.h"
#include "ground/Error.h"
#include "ground/Alphabet.h"
#include "translator/AgreementAnalysis.h"
#include "translator/CollocationMatching.h"
#include "translator/ElementList.h"
#include "translator/Emission.h"
#include "translator/ParticleAdjustment.h"
#include "translator/SourceText.h"
#include "translator/TranslationStats.h"
#include "translator/Transfer.h"

namespace kunimor {
namespace {

// Frees the piece's elements however the piece ends.
struct TPieceElements {
    TPieceElements() = default;
    TPieceElements(const TPieceElements&) = delete;
    TPieceElements& operator=(const TPieceElements&) = delete;
    ~TPieceElements() { FreeElements(ElementList, -1); }
};

// The passes over the elements of a piece, in the order they run:
// collocation matching first, then agreement analysis, transfer (which
// settles the words left without translation) and particle adjustment.
// Agreement analysis and particle adjustment serve the output only and are
// skipped by runs without OutputProc.
void RunPiecePasses(TBelModule& module, const TTranslateCallbacks& callbacks) {
    MatchCollocations(module);
    if (callbacks.OutputProc) AnalyseAgreement(module);
    TransferPiece(module, callbacks.UnknownProc);
    if (callbacks.OutputProc) AdjustParticles(module);
}

int TranslatePiece(TBelModule& module, int pieceStart, const TTranslateCallbacks& callbacks) {
    TPieceElements elements;
    const int nextPiece = BuildElementList(module, pieceStart, callbacks.MarkProc);
    if (ElementList) RunPiecePasses(module, callbacks);
    EmitPiece(module, pieceStart, nextPiece, callbacks);
    return nextPiece;
}

}  // namespace

void TranslateText(TBelModule& module, std::string text, const TTranslateCallbacks& callbacks) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() - 1))
        throw Error("the text is too long to translate at once");
    AbortFlag = false;
    Counters = {};
    ProcessedLength = 0;
    SourceText = std::move(text);
    SetAlphabet(SourceLang);
    const int total = static_cast<int>(SourceText.size());
    int pos = 1;
    while (!AbortFlag && pos <= total) {
        pos = TranslatePiece(module, pos, callbacks);
        ProcessedLength = pos - 1;
        if (callbacks.ProgressProc) callbacks.ProgressProc(pos, total);
    }
}

}  // namespace kunimor
