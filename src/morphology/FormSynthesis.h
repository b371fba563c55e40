#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// Building the inflected forms of a word from its stem and its paradigm's
// Forms text. lang is 0 for Russian, 1 for Belarusian; alt selects the
// alternative form of a form number.

// Applies the rule codes at the start of part to stem and leaves part at the
// ending (a bare "@" ending reads as empty). With junction set, Belarusian stems
// are then fitted to the ending. False when a rule fails: stem then holds
// the rules applied so far and LastRuleError tells why.
bool ApplyEnding(int lang, std::string& stem, std::string_view& part, bool junction);

// The form, or an empty string when the paradigm has none. Throws Error when
// a rule cannot be applied to the stem.
std::string BuildForm(int lang, std::string_view stem, std::string_view forms, bool alt,
                      int formNo);

// BuildForm without throwing, the junction being optional. On failure result
// is the stem as far as the rules went followed by the whole part, which is
// what comparisons and displays of broken paradigms show.
bool TryBuildForm(int lang, std::string_view stem, std::string_view forms, bool junction,
                  std::string& result, bool alt, int formNo);

// The first existing form from (formNo, alt) on, in the order main, then
// alternative, then the next form number, up to maxForm (0 means every form
// number). formNo and alt are left at the form found; when there is none the
// result is empty and they point past maxForm. Starting at (1, main) gives
// the dictionary form.
std::string BuildFirstForm(int lang, std::string_view stem, std::string_view forms, int maxForm,
                           bool& alt, int& formNo);

// The dictionary forms a word is shown by: for nouns and verbs the first
// form of each half (singular/plural, plain/reflexive), for adjectives and
// unchangeable words one. Each comes with the alternative of the same form
// number when the first form found is a main form.
struct FirstFormSet {
    std::string first;
    std::string firstAlt;
    std::string second;
    std::string secondAlt;
};
FirstFormSet FirstForms(int lang, int kind, std::string_view stem, std::string_view forms);

}  // namespace kunimor
