#include "translator/Emission.h"

#include <algorithm>
#include <string>

#include "ground/Direction.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"
#include "ground/Typography.h"
#include "translator/ElementList.h"
#include "translator/InitialLetterRules.h"
#include "translator/OutputStyles.h"
#include "translator/SourceText.h"
#include "translator/TargetSynthesis.h"
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

// The distinct texts of el's translations, the first being output.
void CollectVariants(TBelModule& module, const TWordEl& el, const std::string& firstText) {
    auto add = [&](const std::string& text) {
        std::string shown = ApplyCasePattern(text, el.CaseKind, true);
        if (std::find(OutVariants.begin(), OutVariants.end(), shown) == OutVariants.end())
            OutVariants.push_back(std::move(shown));
    };
    add(firstText);
    for (TWordForm* t = el.Trans->Next; t; t = t->Next) {
        bool alt = true;
        std::string text = SynthesizeTranslation(module, *t, alt);
        if (TargetLang == kBelarusian) ApplyInitialLetterRules(*t, text);
        add(text);
    }
    if (OutVariants.size() < 2) OutVariants.clear();
}

// The source text between words, in the target's typography.
std::string TargetGap(int from, int to) {
    if (to <= from) return {};
    return TypesetStretch(SourceText, static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - 1));
}

}  // namespace

void EmitPiece(TBelModule& module, int pieceStart, int nextPiece, const TTranslateCallbacks& callbacks) {
    const bool intoBelarusian = TargetLang == kBelarusian;
    VowelEnd = false;
    int from = pieceStart;
    for (TWordEl* el = ElementList; el; el = el->Next) {
        OutText = TargetGap(from, el->StartPos);
        if (intoBelarusian) UpdateVowelEnd(OutText);
        Output(callbacks, kOtherTextStyle);
        const int style = CountElement(*el);
        const bool translated = el->Trans && !el->Placeholder && !el->IsAbbr;
        std::string text = el->Text;
        if (translated && intoBelarusian) ApplyInitialLetterRules(*el->Trans, text);
        if (translated && callbacks.WantVariants && el->Trans->Next) CollectVariants(module, *el, text);
        if (translated && callbacks.PositionProc) callbacks.PositionProc(OutLine, OutColumn, WrittenText(*el));
        if (intoBelarusian) UpdateVowelEnd(text);
        OutText = ApplyCasePattern(text, el->CaseKind, true);
        Output(callbacks, style);
        OutVariants.clear();
        // Words brought together by a move get a space between them.
        const TWordEl* next = el->Next;
        if (!el->Placeholder && next && !next->Placeholder && next->StartPos == el->EndPos) {
            OutText = " ";
            Output(callbacks, kOtherTextStyle);
        }
        from = el->EndPos;
    }
    OutText = TargetGap(from, nextPiece);
    Output(callbacks, kOtherTextStyle);
}

}  // namespace kunimor
