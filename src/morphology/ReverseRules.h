#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// The modification rules run backwards: which stems a rule could have turned
// into a given stem. Used to guess the stem and paradigm of a new word from
// its forms. lang is 0 for Russian, 1 for Belarusian.

// The rule-code combinations tried when fitting an ending to a stem, in the
// order they are tried: 1, 2, 8, 3о, 3е … for Russian, 1, 2, 8, 3а … 53я for
// Belarusian. "4*" stands for rule 4 with any of its target letters.
const std::vector<std::string>& ModifVariants(int lang);

// Letters rule 4 can put at the end of a stem, in the order a "*" variant
// tries them.
std::string_view Rule4Targets(int lang);

// Undoes the Belarusian seam spelling at the end of stem, ending being what
// follows it (empty at the word's end); restoreU also turns в back into ў
// before a vowel. Returns whether stem changed.
bool ReverseJunction(std::string& stem, std::string_view ending, bool restoreU);

// Appends to list every stem of at most maxLen characters which the codes of
// variant, applied left to right, turn into stem. list keeps what it held.
void ReverseVariant(int lang, std::string_view stem, std::string_view variant, std::size_t maxLen,
                    std::vector<std::string>& list);

}  // namespace kunimor
