#pragma once

namespace kunimor {

// Language codes as stored in the lexicon.
inline constexpr int kRussian = 0;
inline constexpr int kBelarusian = 1;

}  // namespace kunimor
