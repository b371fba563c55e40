#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace kunimor::import {

// The cases each preposition governs, which the open data does not say:
// (language, word in Windows-1251) -> the word's Tag (bit c + 1 for case c).
using TPrepositionCases = std::map<std::pair<int, std::string>, int16_t>;

// Reads lines "ru|be  word  case..." (UTF-8, blanks between, # comments).
// Throws Error naming file and line on a bad line.
TPrepositionCases ReadPrepositionCases(const std::string& path);

// The Tag of word in lang: its cases, 0 when it is not listed.
int16_t PrepositionTag(const TPrepositionCases& cases, int lang, const std::string& word);

}  // namespace kunimor::import
