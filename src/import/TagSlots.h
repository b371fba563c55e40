#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::import {

// An analysis of the open data, "lemma<pos><tag>...": the lemma and its tags
// without the angle brackets.
struct TAnalysis {
    std::string Lemma;
    std::vector<std::string> Tags;
};
// Nothing when the text has no tags or holds a multiword group mark.
std::optional<TAnalysis> SplitAnalysis(std::string_view text);

// The word kind an analysis belongs to: nouns 1, adjectives 2, verbs 3
// (perfective) or 4 (imperfective and biaspectual), unchangeable words 5;
// 0 for parts of speech the dictionary does not take. Pronouns, determiners
// and numerals decline like adjectives when they carry gender and case, like
// nouns with case alone, and are unchangeable otherwise; predicatives with
// gender (должен) are adjectives of four nominatives.
int KindOfTags(const std::vector<std::string>& tags);

// Where one form of the open data goes in a word of the project's kind.
struct TFormSlot {
    int Form = 0;
    bool Alt = false;        // the alternative form of the number
    bool Fallback = false;   // used only when no other form fills the slot (with Alt: its alternative then)
};

// The slot of a form with these tags (part of speech first) in a word of
// kind `kind` of language `lang`, or nothing with the reason it is left out.
struct TSlotResult {
    std::optional<TFormSlot> Slot;
    const char* DropReason = nullptr;
};
TSlotResult FormSlotOfTags(int lang, int kind, const std::vector<std::string>& tags);

// The gender/number (RodChislo) a noun's tags give: 1 m, 2 f, 3 nt, 4 for
// plural-only (mfn or no gender), 0 for other kinds.
int NounGenderOfTags(const std::vector<std::string>& tags);

}  // namespace kunimor::import
