#pragma once

#include <string>

namespace kunimor {

// The text the translation driver works on, Windows-1251. Positions in it
// are 1-based throughout the engine; a run never changes its length.
inline std::string SourceText;

// SourceText from position from up to to (exclusive); empty when to <= from.
inline std::string SourceRange(int from, int to) {
    if (to <= from) return {};
    return SourceText.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
}

}  // namespace kunimor
