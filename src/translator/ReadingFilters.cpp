#include "translator/ReadingFilters.h"

#include "dictionary/BelModule.h"
#include "morphology/WordKind.h"
#include "translator/ElementList.h"
#include "translator/PhraseFinders.h"

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

void FilterCapitals() {
    for (TWordEl* el = ElementList; el; el = el->Next) {
        KeepByFlag(el->Readings, &TWordForm::IsAbbrWord, el->CaseKind == TCasePattern::csUpper);
        // A sentence starts with a capital anyway.
        if (el != ElementList)
            KeepByFlag(el->Readings, &TWordForm::IsProper, el->CaseKind == TCasePattern::csCapital);
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

}  // namespace kunimor
