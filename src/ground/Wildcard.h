#pragma once

#include <string_view>

namespace kunimor {

// Whether the whole text matches the whole pattern: '*' stands for any run
// of characters (none included), '?' for exactly one, every other pattern
// character for itself, byte for byte.
bool MatchesWildcard(std::string_view text, std::string_view pattern);

}  // namespace kunimor
