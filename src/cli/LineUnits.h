#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace kunimor::cli {

// Line structure of raw text in code units of unit bytes: 1, or 2 for
// UTF-16 little-endian (whose ASCII characters have a zero second byte).

// The code unit at byte pos as an ASCII character, 0 for any other.
char UnitChar(std::string_view bytes, std::size_t pos, std::size_t unit);

// One entry per line feed: true where a carriage return stands before it.
std::vector<bool> LineEnds(std::string_view bytes, std::size_t unit);

// The last character of a line that is no blank and no line end; ' ' for
// a blank line, 0 when that character is not ASCII.
char LastVisible(std::string_view line, std::size_t unit);

// A line and its line end: the line feed, with the carriage return before
// it if there is one; empty for a line without.
std::pair<std::string_view, std::string_view> SplitLineEnd(std::string_view line, std::size_t unit);

}  // namespace kunimor::cli
