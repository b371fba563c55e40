#pragma once

namespace kunimor {

// The style of a stretch of output or marked source text; the shell shows
// each with the colour and font of its text view.
inline constexpr int kTranslatedStyle = 0;  // also abbreviations and placeholders
inline constexpr int kUnknownStyle = 1;     // word without translation
inline constexpr int kForeignStyle = 2;     // word with characters outside the alphabet
inline constexpr int kInexactStyle = 3;     // word translated inexactly
inline constexpr int kOtherTextStyle = 4;   // text between words, text that is no word

}  // namespace kunimor
