#include "translator/ReadingFilters.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "dictionary/BelModule.h"
#include "dictionary/LookupSettings.h"
#include "morphology/WordKind.h"
#include "translator/ElementList.h"
#include "translator/PhraseFinders.h"
#include "translator/VerbGroups.h"

namespace kunimor {
namespace {

bool ThemeSelected(TBelModule& module, int theme) {
    const Value selected = module.tblTheme().Lookup("No", {Value(int32_t{theme})}, "Selected");
    return !selected.IsNull() && selected.AsBool();
}

// Keeps the candidates with the flag or those without it, when the list
// has both.
void KeepByFlag(TWordForm*& list, bool TWordForm::*flag, bool keepFlagged) {
    bool with = false, without = false;
    for (const TWordForm* f = list; f; f = f->Next) (f->*flag ? with : without) = true;
    if (with && without) RemoveWordForms(list, [&](const TWordForm& f) { return f.*flag != keepFlagged; });
}

// Expert mode off while the filter only asks whether translations exist:
// the lookup of the translations reports what lacks one.
struct TQuietLookups {
    TQuietLookups() = default;
    TQuietLookups(const TQuietLookups&) = delete;
    TQuietLookups& operator=(const TQuietLookups&) = delete;
    ~TQuietLookups() { AdvTrans = expert; }
    bool expert = std::exchange(AdvTrans, false);
};

// The forms a verb of the second conjugation writes alike: положите,
// зачыніце; and the nominative of вы.
constexpr int kFuturePluralForm = 5;
constexpr int kImperativePluralForm = 15;
constexpr int kYouPluralForm = 7;

bool IsHyphenForm(const TWordForm& f) { return (f.Kind == kNoun && f.Form == 13) || IsHyphenAdverbReading(f); }

}  // namespace

void FilterThemes(TBelModule& module, TWordForm*& list) {
    bool keeper = false, deselected = false;
    for (TWordForm* f = list; f; f = f->Next) {
        if (f->Theme == 0 || ThemeSelected(module, f->Theme)) {
            f->Theme = 0;
            keeper = true;
        } else {
            deselected = true;
        }
    }
    if (!deselected) return;
    if (keeper) {
        RemoveWordForms(list, [](const TWordForm& f) { return f.Theme != 0; });
    } else {
        for (TWordForm* f = list; f; f = f->Next) f->Inexact = true;
    }
}

void KeepTranslatableReadings(TBelModule& module) {
    const TQuietLookups quiet;
    for (TWordEl* el = ElementList; el; el = el->Next) {
        if (!el->Readings || !el->Readings->Next) continue;
        // Forms of one word share its translations: asked once per word.
        std::vector<int32_t> untranslatable;
        std::vector<int32_t> asked;
        for (const TWordForm* r = el->Readings; r; r = r->Next) {
            if (std::find(asked.begin(), asked.end(), r->WordNo) != asked.end()) continue;
            asked.push_back(r->WordNo);
            if (!module.ForEachTranslation(r->WordNo, r->Kind, nullptr, r->FormVar, r->Form))
                untranslatable.push_back(r->WordNo);
        }
        if (untranslatable.empty() || untranslatable.size() == asked.size()) continue;
        RemoveWordForms(el->Readings, [&](const TWordForm& f) {
            return std::find(untranslatable.begin(), untranslatable.end(), f.WordNo) != untranslatable.end();
        });
    }
}

void FilterCapitals() {
    for (TWordEl* el = ElementList; el; el = el->Next) {
        KeepByFlag(el->Readings, &TWordForm::IsAbbrWord, el->CaseKind == TCasePattern::csUpper);
        // A sentence starts with a capital anyway, so there the common word
        // goes before a name (Яны: they, not the plural of Ян).
        const bool nameByCapital = el != ElementList && el->CaseKind == TCasePattern::csCapital;
        KeepByFlag(el->Readings, &TWordForm::IsProper, nameByCapital);
    }
}

void FilterHyphenForms() {
    if (!ElementList) return;
    for (TWordEl* el = ElementList->Next; el; el = el->Next) {
        bool hyphen = false, other = false;
        for (const TWordForm* f = el->Readings; f; f = f->Next) (IsHyphenForm(*f) ? hyphen : other) = true;
        if (!hyphen || !other) continue;
        if (el->Next && SepAfter(el) == '-')
            RemoveWordForms(el->Readings, [](const TWordForm& f) { return !IsHyphenForm(f); });
        else
            RemoveWordForms(el->Readings, [](const TWordForm& f) { return f.Kind == kNoun && f.Form == 13; });
    }
}

void ChooseImperativeOrFuture(const TBelModule& module) {
    bool youPlural = false;
    for (const TWordEl* el = ElementList; el && !youPlural; el = el->Next)
        for (const TWordForm* f = el->Readings; f && !youPlural; f = f->Next)
            youPlural = f->WordNo == module.SrcTyWordNo && f->Kind == kNoun && f->Form == kYouPluralForm;
    for (TWordEl* el = ElementList; el; el = el->Next) {
        bool future = false, imperative = false;
        for (const TWordForm* f = el->Readings; f; f = f->Next) {
            if (!IsVerb(f->Kind)) continue;
            future |= BaseVerbForm(f->Form) == kFuturePluralForm;
            imperative |= BaseVerbForm(f->Form) == kImperativePluralForm;
        }
        if (!future || !imperative) continue;
        const int dropped = youPlural ? kImperativePluralForm : kFuturePluralForm;
        RemoveWordForms(el->Readings, [dropped](const TWordForm& f) { return IsVerb(f.Kind) && BaseVerbForm(f.Form) == dropped; });
    }
}

}  // namespace kunimor
