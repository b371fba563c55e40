#include "translator/Emission.h"

#include "textservices/LetterCase.h"
#include "translator/ElementList.h"
#include "translator/OutputStyles.h"
#include "translator/SourceText.h"
#include "translator/TranslationStats.h"

namespace kunimor {
namespace {

void Output(const TTranslateCallbacks& callbacks, int style) {
    if (callbacks.OutputProc) callbacks.OutputProc(style);
}

// Style of an element's output, counting the element.
int CountElement(const TWordEl& el) {
    if (el.Placeholder || el.IsAbbr) return kTranslatedStyle;
    if (el.Trans) {
        if (el.Trans->Inexact) {
            ++Counters.Inexact;
            return kInexactStyle;
        }
        ++Counters.Translated;
        return kTranslatedStyle;
    }
    ++Counters.Unknown;
    return el.TokenKind == kForeignToken ? kForeignStyle : kUnknownStyle;
}

}  // namespace

void EmitPiece(int pieceStart, int nextPiece, const TTranslateCallbacks& callbacks) {
    int from = pieceStart;
    for (TWordEl* el = ElementList; el; el = el->Next) {
        OutText = SourceRange(from, el->StartPos);
        Output(callbacks, kOtherTextStyle);
        const int style = CountElement(*el);
        if (el->Trans && !el->Placeholder && !el->IsAbbr && callbacks.PositionProc)
            callbacks.PositionProc(OutLine, OutColumn, WrittenText(*el));
        OutText = ApplyCasePattern(el->Text, el->CaseKind, true);
        Output(callbacks, style);
        // Words brought together by a move get a space between them.
        const TWordEl* next = el->Next;
        if (!el->Placeholder && next && !next->Placeholder && next->StartPos == el->EndPos) {
            OutText = " ";
            Output(callbacks, kOtherTextStyle);
        }
        from = el->EndPos;
    }
    OutText = SourceRange(from, nextPiece);
    Output(callbacks, kOtherTextStyle);
}

}  // namespace kunimor
