#pragma once

#include "editing/EditPrompter.h"

#include <array>
#include <string>
#include <vector>

namespace kunimor {

// Every form of a word, slot 1..n of its kind, main [0] and alternative [1];
// a form that does not exist is empty.
struct TFormTable {
    std::vector<std::array<std::string, 2>> Slots;  // Slots[0] is slot 1

    // The first non-empty form other than "?", main before alternative.
    std::string Lemma() const;
};
TFormTable BuildFormTable(int lang, int kind, const std::string& stem, const std::string& forms);

// How the new word's forms relate to the old word's.
enum class TFormsComparison {
    Identical,
    OldLacks,  // the new word only adds forms
    NewLacks,  // the new word only drops forms
    Conflict,
};
TFormsComparison CompareForms(const TFormTable& oldForms, const TFormTable& newForms);

// What to do when a new word may be the same word as an old one: answer at
// once, or show the replacement dialog with a preset and the actions it
// offers (keeping both is not always one of them). Windows-1251 texts.
struct TReplacementPlan {
    bool ShowDialog = false;
    TReplaceAnswer Answer = kReplaceOld;  // without the dialog
    TReplaceAnswer Preset = kKeepBoth;
    bool OfferBoth = true;
    std::string Caption, Info;
    TFormTable Old, New;
};
TReplacementPlan PlanWordReplacement(const TReplaceQuestion& question);

}  // namespace kunimor
