#include "ground/CharClasses.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Text.h"

namespace kunimor {
namespace {

std::string Members(const CharSet& set) {
    std::string members;
    for (int code = 0; code < 256; ++code) {
        if (set.Contains(static_cast<char>(code))) members += static_cast<char>(code);
    }
    return members;
}

TEST(CharClasses, SentenceEnds) { EXPECT_EQ(Members(SentenceEndChars()), "!.?"); }

TEST(CharClasses, GapCharsAreBlanksAndQuotes) {
    EXPECT_EQ(Members(GapChars()), "\t\n\v\f\r \"" + W("‚„‘’“”\u00A0«»"));
}

}  // namespace
}  // namespace kunimor
