#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// Cuts a phrase into at most maxWords words of the language's lower-case
// letters (capitals count as non-letters, so callers lower-case first) and
// normalises each word. separators gets the class of each gap after a word
// (never '*': an unclassifiable gap counts as a blank), including a
// trailing gap when the text ends in non-letters before maxWords is reached.
// A Belarusian word neither starts nor ends with an apostrophe.
void SplitWords(int lang, std::string_view text, int maxWords, std::string& separators,
                std::vector<std::string>& words);

bool HasSeveralWords(int lang, std::string_view text);

}  // namespace kunimor
