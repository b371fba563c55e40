#include "ground/LetterCase.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor {
namespace {

// Every byte a case function changes must be undone by its inverse, and the
// number of changed bytes shows nothing beyond the intended letters moves.
struct CaseFunctions {
    const char* name;
    char (*up)(char);
    char (*down)(char);
    int pairs;
};

void PrintTo(const CaseFunctions& f, std::ostream* os) { *os << f.name; }

class SingleCharCase : public testing::TestWithParam<CaseFunctions> {};

TEST_P(SingleCharCase, UpperAndLowerAreInversePairs) {
    const CaseFunctions& f = GetParam();
    int changed = 0;
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        if (f.up(c) != c) {
            ++changed;
            EXPECT_EQ(f.down(f.up(c)), c) << "byte " << code;
            EXPECT_EQ(f.up(f.up(c)), f.up(c)) << "byte " << code;
        }
        if (f.down(c) != c) {
            EXPECT_EQ(f.up(f.down(c)), c) << "byte " << code;
        }
    }
    EXPECT_EQ(changed, f.pairs);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SingleCharCase,
                         testing::Values(CaseFunctions{"Cyrillic", UpCaseCyr, LoCaseCyr, 26 + 32 + 3},
                                         CaseFunctions{"Latin", UpCaseLat, LoCaseLat, 26 + 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LetterCase, CyrillicKnowsBelarusianLettersAndLeavesOthers) {
    EXPECT_EQ(U(std::string(1, UpCaseCyr(W("ў")[0]))), "Ў");
    EXPECT_EQ(U(std::string(1, UpCaseCyr(W("і")[0]))), "І");
    EXPECT_EQ(U(std::string(1, UpCaseCyr(W("ё")[0]))), "Ё");
    EXPECT_EQ(LoCaseCyr('\xAF'), '\xAF');  // Ukrainian Ї
    EXPECT_EQ(U(UpperCaseCyr(W("мінск, ўсё 9 qz"))), "МІНСК, ЎСЁ 9 QZ");
    EXPECT_EQ(U(LowerCaseCyr(W("МІНСК, ЎСЁ Я QZ"))), "мінск, ўсё я qz");
}

TEST(LetterCase, LatinScriptKnowsItsAccentedLetters) {
    EXPECT_EQ(UpCaseLat('\xFB'), '\xDB');  // ū
    EXPECT_EQ(UpCaseLat('\xE0'), '\xE0');  // ą is not part of the script
    EXPECT_EQ(UpperCaseLat("\xE8y\xF9"), "\xC8Y\xD9");
    EXPECT_EQ(LowerCaseLat("\xC8Y\xD9"), "\xE8y\xF9");
}

struct PatternCase {
    const char* word;
    TCasePattern pattern;
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << '"' << c.word << '"'; }

class CasePatternOf : public testing::TestWithParam<PatternCase> {};

TEST_P(CasePatternOf, LooksAtFirstAndLastCharacter) {
    EXPECT_EQ(GetCasePattern(W(GetParam().word)), GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CasePatternOf,
    testing::Values(PatternCase{"Мінск", TCasePattern::csCapital},
                    PatternCase{"МІНСК", TCasePattern::csUpper},
                    PatternCase{"мінск", TCasePattern::csLower},
                    PatternCase{"'ён", TCasePattern::csLower},
                    PatternCase{"Я", TCasePattern::csCapital},
                    PatternCase{"Ўсё", TCasePattern::csCapital},
                    PatternCase{"OK", TCasePattern::csUpper},
                    PatternCase{"2009", TCasePattern::csUpper},
                    PatternCase{"МиГ", TCasePattern::csUpper},
                    PatternCase{"", TCasePattern::csLower}));

struct ApplyCase {
    const char* source;
    TCasePattern pattern;
    bool keepRest;
    const char* expected;
};

void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << '"' << c.source << "\" pattern " << static_cast<int>(c.pattern)
        << (c.keepRest ? " keep-rest" : "");
}

class ApplyPattern : public testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyPattern, GivesTheWordThePattern) {
    const ApplyCase& c = GetParam();
    EXPECT_EQ(U(ApplyCasePattern(W(c.source), c.pattern, c.keepRest)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ApplyPattern,
    testing::Values(ApplyCase{"ўсЁ", TCasePattern::csUpper, false, "ЎСЁ"},
                    ApplyCase{"ўсЁ", TCasePattern::csUpper, true, "ЎСЁ"},
                    ApplyCase{"ўсЁ", TCasePattern::csCapital, false, "Ўсё"},
                    ApplyCase{"ўсЁ", TCasePattern::csCapital, true, "ЎсЁ"},
                    ApplyCase{"ЎсЁ", TCasePattern::csLower, false, "ўсё"},
                    ApplyCase{"ЎсЁ", TCasePattern::csLower, true, "ЎсЁ"},
                    ApplyCase{"", TCasePattern::csCapital, false, ""}));

TEST(LetterCase, LatinPatternUsesLatinScriptCase) {
    EXPECT_EQ(ApplyCasePatternLat("ch", TCasePattern::csCapital, false), "Ch");
    EXPECT_EQ(ApplyCasePatternLat("ch", TCasePattern::csUpper, false), "CH");
    EXPECT_EQ(ApplyCasePatternLat("\xE8y", TCasePattern::csCapital, false), "\xC8y");
    EXPECT_EQ(ApplyCasePatternLat("\xC8Y", TCasePattern::csLower, false), "\xE8y");
}

}  // namespace
}  // namespace kunimor
