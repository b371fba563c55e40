#include "ground/SeparatorClass.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor {
namespace {

struct GapCase {
    const char* phrase;  // two words and the gap between them, UTF-8
    char expected;
};

void PrintTo(const GapCase& c, std::ostream* os) { *os << '"' << c.phrase << '"'; }

class GapBetweenWords : public testing::TestWithParam<GapCase> {};

// Classifies the gap between the first and the last run of Cyrillic а..я / А..Я.
TEST_P(GapBetweenWords, Classifies) {
    const std::string text = W(GetParam().phrase);
    const auto isLetter = [](char c) { return static_cast<unsigned char>(c) >= 0xC0; };
    int first = 1;
    while (isLetter(text[first - 1])) ++first;
    int last = static_cast<int>(text.size());
    while (isLetter(text[last - 1])) --last;
    EXPECT_EQ(ClassifyGap(text, first, last), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SeparatorClass, GapBetweenWords,
    testing::Values(GapCase{"хто-небудзь", '-'}, GapCase{"вось ты", ' '}, GapCase{"вось «ты", ' '},
                    GapCase{"вось\r\n\tты", ' '}, GapCase{"мы, вы", ','}, GapCase{"мы ,вы", ','},
                    GapCase{"мы,, вы", '*'}, GapCase{"мы - вы", '_'}, GapCase{"мы -вы", '_'},
                    GapCase{"мы — вы", '_'}, GapCase{"мы–вы", '_'}, GapCase{"мы - - вы", '_'},
                    GapCase{"мы --вы", '_'}, GapCase{"мы -, вы", '*'}, GapCase{"мы: вы", ':'},
                    GapCase{"мы / вы", '/'}, GapCase{"мы. вы", '*'}, GapCase{"мы 2 вы", '*'},
                    GapCase{"мы & вы", ' '}, GapCase{"мы&nbsp;вы", ' '}, GapCase{"мы &nbsp;, вы", ','},
                    GapCase{"мы\xC2\xA0вы", ' '}));

TEST(SeparatorClass, EmptyOrClippedGap) {
    EXPECT_EQ(ClassifyGap("ab", 2, 1), ' ');
    EXPECT_EQ(ClassifyGap("", 1, 1), ' ');
    // Positions beyond the text are not read.
    EXPECT_EQ(ClassifyGap("a,", 2, 40), ',');
    EXPECT_EQ(ClassifyGap(",a", -3, 1), ',');
    // "&nbsp;" is skipped only when it is there whole.
    EXPECT_EQ(ClassifyGap("a &nbs", 2, 6), '*');
}

TEST(SeparatorClass, SeparatorText) {
    EXPECT_EQ(SeparatorText(','), ", ");
    EXPECT_EQ(SeparatorText(':'), ": ");
    EXPECT_EQ(SeparatorText('_'), " - ");
    EXPECT_EQ(SeparatorText('-'), "-");
    EXPECT_EQ(SeparatorText(' '), " ");
    EXPECT_EQ(SeparatorText('/'), "/");
}

}  // namespace
}  // namespace kunimor
