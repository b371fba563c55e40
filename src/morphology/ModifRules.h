#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kunimor {

// Modification rules change a stem before an ending is added. Each is coded
// by a digit at the start of a paradigm part:
//   1, 2  shift stressed vowels (two tables per language)
//   3X    insert the fleeting vowel X between the last two consonants
//   4X    replace the final consonant by X
//   5     drop the prosthetic і of Belarusian stems (ільготн → льготн)
//   8     extend a verb prefix (сбр → собр)
// 6 and 7 are reserved and fail in both languages.

bool IsModifRuleCode(char c);

// Characters the rule code occupies: the digit and, for 3 and 4, its letter.
std::size_t ModifRuleCodeLength(char code);

// Applies the rule whose digit starts `code` (the rest of the part follows
// it, so the rule can take its parameter letter) to stem. On failure the stem is left as it was and the reason is
// kept for LastRuleError.
bool ApplyModifRule(int lang, std::string& stem, std::string_view code);

// The message of the most recent rule that failed.
const std::string& LastRuleError();

// The letters rule 4 may put at the end of a stem, in the order of the
// language's table (paradigm guessing runs the rule backwards with them).
std::string_view ConsonantTargets(int lang);

// Rule 8's prefix pairs of a language, tried in this order.
struct PrefixExtension {
    std::string_view prefix;
    std::string_view replacement;
};
std::span<const PrefixExtension> PrefixExtensions(int lang);

}  // namespace kunimor
