#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kunimor {

class TBelModule;

// The other translations the output's context menu offers for a word:
// one group per dictionary form the word can be read as, each with the
// distinct texts of that reading's translations.
struct TVariantItem {
    int32_t WordNo = 0;  // target word or collocation
    uint8_t PartCode = 0;
    uint8_t Negation = 0;
    std::string Text;
};

struct TVariantGroup {
    int32_t ReadingNo = 0;  // the source word
    std::string Text;       // its dictionary form
    std::vector<TVariantItem> Items;
};

inline std::vector<TVariantGroup> VariantGroups;

// Rebuilds VariantGroups for word read in language lang (the direction is
// switched for the lookup and back); false when the word has no reading.
bool BuildVariants(TBelModule& module, int lang, std::string word);

// BuildVariants in the source language for the word whose translation was
// output at line, column (the position table), or for no word.
bool BuildVariantsAt(TBelModule& module, int32_t line, int32_t column);

}  // namespace kunimor
