#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// Belarusian spelling at the seam of a stem and an ending: в after a vowel
// becomes ў before a consonant or at the word's end (лав+ка → лаўка), д and т
// soften to дз and ц before і ё е ь ю я (вад+е → вадзе), г and х to з and с
// before ё ь ю я. vToU also turns a final ў back into в before a vowel
// (лаў+ак → лавак). Returns whether the stem changed.
bool ApplyJunction(std::string& stem, std::string_view ending, bool vToU);

}  // namespace kunimor
