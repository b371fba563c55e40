#include "translator/TargetSynthesis.h"

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "dictionary/ParticipleLink.h"
#include "dictionary/TagCodes.h"
#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "morphology/FormSynthesis.h"
#include "ground/Cp1251Literal.h"
#include "ground/LetterCase.h"
#include "translator/ElementList.h"
#include "translator/PhraseFinders.h"

namespace kunimor {
namespace {

constexpr char kU = U'у'_cp1251;
constexpr char kShortU = U'ў'_cp1251;
constexpr int kAccusativeMasculine = 13;
constexpr int kAccusativePlural = 16;
constexpr int kTwinDistance = 8;  // accusative twin to genitive of the same gender

// The accusative twin of a genitive attribute goes back to the genitive,
// as long as the repairs left it in that accusative.
void UndoAccusativeTwin(TWordForm& t) {
    if (t.IsDerived && t.Kind == kAdjective && (t.Form == kAccusativeMasculine || t.Form == kAccusativePlural))
        t.Form -= kTwinDistance;
}

std::string WithAdverbPrefix(std::string word) {
    if (TargetLang == kRussian) return std::string("по-"_cp1251) + word;
    if (!word.empty() && word.front() == kU) word.front() = kShortU;
    return std::string("па-"_cp1251) + word;
}

std::string CollocationText(TBelModule& module, TWordForm& t) {
    module.LoadColloc(TargetLang, t.WordNo);
    std::string text = module.CollocText(TargetLang, module.CurColloc, t.FormVar, t.Form);
    if (!text.empty()) return text;
    text = module.CollocText(TargetLang, module.CurColloc, t.FoundFormVar, t.FoundForm);
    if (text.empty()) {
        int alt = 0, form = 1;
        text = module.CollocTextAny(TargetLang, module.CurColloc, 0, alt, form);
    }
    t.Inexact = true;
    return text;
}

// The word in t's form, or the nearest the paradigm has.
std::string WordText(TBelModule& module, TWordForm& t) {
    module.LoadWord(TargetLang, t.WordNo);
    const std::string& stem = module.CurWord.Osnova;
    const std::string& forms = module.CurEtalon.Forms;
    for (const int alt : {int{t.FormVar}, 1 - t.FormVar}) {
        std::string text = BuildForm(TargetLang, stem, forms, alt != 0, t.Form);
        if (!text.empty()) return text;
    }
    t.Inexact = true;
    std::string text = BuildForm(TargetLang, stem, forms, t.FoundFormVar != 0, t.FoundForm);
    if (!text.empty()) return text;
    bool alt = false;
    int form = 1;
    text = BuildFirstForm(TargetLang, stem, forms, 0, alt, form);
    return text.empty() ? stem : text;
}

std::string RelativeClause(TBelModule& module, const TWordForm& t, bool& alt) {
    module.LoadWord(TargetLang, t.WordNo);
    const TWordsRec word = module.CurWord;
    const TEtalonRec etalon = module.CurEtalon;
    const int genderForm = AdjForm(1, t.Gender);  // the nominative of the participle's gender
    std::string text = module.RelativeClauseText(TargetLang, word, !alt, genderForm, t.Negation, t.PartCode, etalon);
    alt = !alt;
    return text;
}

}  // namespace

std::string SynthesizeTranslation(TBelModule& module, TWordForm& t, bool& alt) {
    UndoAccusativeTwin(t);
    if (ParticipleSlotForm(t.PartCode) == 0) t.PartCode = 0;  // no verb form stands for it
    if (t.PartCode != 0) {
        std::string text = RelativeClause(module, t, alt);
        if (!text.empty()) return text;
        t.PartCode = 0;  // the verb lacks the form: the word itself, inexactly
        t.Inexact = true;
    }
    if (IsCollocNo(t.WordNo)) return CollocationText(module, t);
    std::string text = WordText(module, t);
    return IsHyphenAdverbReading(t) ? WithAdverbPrefix(std::move(text)) : text;
}

void SynthesizePiece(TBelModule& module) {
    bool alt = true;
    for (TWordEl* el = ElementList; el; el = el->Next) {
        if (el->IsAbbr || !el->Readings) continue;
        if (el->Trans)
            el->Text = SynthesizeTranslation(module, *el->Trans, alt);
        else
            el->Text = LowerCaseCyr(WrittenText(*el));
    }
}

}  // namespace kunimor
