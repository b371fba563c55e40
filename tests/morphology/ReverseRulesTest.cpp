#include "morphology/ReverseRules.h"

#include "ground/Language.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kunimor;
using ::testing::Contains;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

TEST(ReverseRules, VariantListsExpandParameterLetters) {
    const std::vector<std::string>& bel = ModifVariants(kBelarusian);
    ASSERT_EQ(bel.size(), 33u);
    EXPECT_EQ(bel[0], "1");
    EXPECT_EQ(bel[3], W("3а"));
    EXPECT_EQ(bel[10], W("13а"));
    EXPECT_EQ(bel[24], "4*");
    EXPECT_EQ(bel[25], "14*");
    EXPECT_EQ(bel[32], W("53я"));
    const std::vector<std::string> rus{"1", "2", "8", W("3о"), W("3е"), W("3и"), W("3я"), "4*"};
    EXPECT_EQ(ModifVariants(kRussian), rus);
}

struct ReverseCase {
    int lang;
    const char* stem;
    const char* variant;
    const char* expected;  // a stem that must be among the results, or "" for none at all
};

class ReverseVariantCases : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseVariantCases, ProposesTheStemTheForwardRuleChanged) {
    const ReverseCase& c = GetParam();
    std::vector<std::string> list;
    ReverseVariant(c.lang, W(c.stem), W(c.variant), 30, list);
    if (std::string(c.expected).empty()) {
        EXPECT_THAT(list, IsEmpty());
    } else {
        EXPECT_THAT(list, Contains(W(c.expected))) << U(W(c.stem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReverseVariantCases,
    ::testing::Values(ReverseCase{kRussian, "стал", "1", "стол"},  // о → а shifted
                      ReverseCase{kRussian, "сон", "3о", "сн"},
                      ReverseCase{kRussian, "печ", "4*", "пек"},
                      ReverseCase{kRussian, "печ", "4ч", "пет"},
                      ReverseCase{kRussian, "пек", "4*", ""},  // к is no target letter
                      ReverseCase{kRussian, "собр", "8", "сбр"},
                      ReverseCase{kBelarusian, "лавак", "3а", "лаўк"},
                      ReverseCase{kBelarusian, "льготн", "5", "ільготн"},
                      ReverseCase{kBelarusian, "сабр", "8", "сбр"},
                      ReverseCase{kBelarusian, "стол", "13о", ""}));  // nothing to drop

TEST(ReverseRules, RuleOneIsExactlyReversed) {
    // стал is also a candidate pattern's source, but rule 1 would turn it
    // into стол, not into стал.
    std::vector<std::string> list;
    ReverseVariant(kRussian, W("стал"), "1", 30, list);
    EXPECT_THAT(list, Not(Contains(W("стал"))));
}

TEST(ReverseRules, MaxLenDropsLongerStems) {
    std::vector<std::string> list;
    ReverseVariant(kBelarusian, W("льготн"), "5", 6, list);
    EXPECT_THAT(list, IsEmpty());
}

struct JunctionCase {
    const char* stem;
    const char* ending;
    bool restoreU;
    const char* expected;  // equal to stem when nothing changes
};

class ReverseJunctionCases : public ::testing::TestWithParam<JunctionCase> {};

TEST_P(ReverseJunctionCases, UndoesTheSeamSpelling) {
    const JunctionCase& c = GetParam();
    std::string stem = W(c.stem);
    const bool changed = ReverseJunction(stem, W(c.ending), c.restoreU);
    EXPECT_EQ(U(stem), c.expected);
    EXPECT_EQ(changed, std::string(c.stem) != c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ReverseJunctionCases,
                         ::testing::Values(JunctionCase{"вадз", "е", false, "вад"},
                                           JunctionCase{"наз", "е", false, "наз"},  // з only before ё ь ю я
                                           JunctionCase{"наз", "я", false, "наг"},
                                           JunctionCase{"хац", "і", false, "хат"},
                                           JunctionCase{"мус", "ю", false, "мух"},
                                           JunctionCase{"лав", "а", true, "лаў"},
                                           JunctionCase{"лав", "а", false, "лав"},
                                           JunctionCase{"лаў", "", false, "лав"},
                                           JunctionCase{"лаў", "ка", false, "лав"},
                                           JunctionCase{"лаў", "а", false, "лаў"},
                                           JunctionCase{"", "", false, ""}));

}  // namespace
