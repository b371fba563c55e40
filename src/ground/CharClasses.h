#pragma once

#include "ground/CharSet.h"

namespace kunimor {

namespace char_classes_detail {

inline constexpr CharSet kSentenceEndChars{"!.?"};

// Blanks and quotation marks: what may stand between two words without
// making the gap more than a plain space.
inline constexpr CharSet kGapChars =
    CharSet("\x20\x22\x82\x84\x91\x92\x93\x94\xA0\xAB\xBB").AddRange(0x09, 0x0D);

}  // namespace char_classes_detail

constexpr const CharSet& SentenceEndChars() { return char_classes_detail::kSentenceEndChars; }
constexpr const CharSet& GapChars() { return char_classes_detail::kGapChars; }

}  // namespace kunimor
