#pragma once

#include <string>

namespace kunimor {

// Brings a word to the spelling the dictionary stores. Russian: ё becomes е
// (capital Ё stays). Belarusian: lower-case у and ў are rewritten by the
// preceding significant character, ў after a vowel and у otherwise; blanks
// and line breaks do not interrupt this, so a preceding word counts. Capital
// У and Ў stay. Returns whether anything changed.
bool NormalizeWord(int lang, std::string& word);

}  // namespace kunimor
