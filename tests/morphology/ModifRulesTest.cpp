#include "morphology/ModifRules.h"

#include <gtest/gtest.h>

#include "support/Text.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

struct RuleCase {
    int lang;
    const char* stem;
    const char* code;  // the part from the rule digit on
    const char* expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << (c.lang == kRussian ? "rus " : "bel ") << c.stem << " " << c.code;
}

class RuleApplies : public testing::TestWithParam<RuleCase> {};

TEST_P(RuleApplies, ChangesTheStem) {
    const RuleCase& c = GetParam();
    std::string stem = W(c.stem);
    ASSERT_TRUE(ApplyModifRule(c.lang, stem, W(c.code))) << U(LastRuleError());
    EXPECT_EQ(U(stem), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    StressShift, RuleApplies,
    testing::Values(RuleCase{kRussian, "гор", "1", "гар"}, RuleCase{kRussian, "сестр", "1", "сястр"},
                    RuleCase{kRussian, "запах", "1", "запох"}, RuleCase{kRussian, "бер", "2", "бир"},
                    RuleCase{kRussian, "вецырак", "1", "вецырок"},  // Russian looks at one vowel only
                    RuleCase{kBelarusian, "вецырак", "1", "вяцырак"},
                    RuleCase{kBelarusian, "бегул", "1", "бягул"},  // "е?" leaves the last vowel
                    RuleCase{kBelarusian, "галав", "1", "галов"},  // "аао" needs three vowels
                    RuleCase{kBelarusian, "гаюкіл", "2", "гоюкіл"},
                    RuleCase{kBelarusian, "вёсл", "1", "вясл"}));

INSTANTIATE_TEST_SUITE_P(
    FleetingVowel, RuleApplies,
    testing::Values(RuleCase{kRussian, "окн", "3о", "окон"}, RuleCase{kRussian, "бойц", "3е", "боец"},
                    RuleCase{kRussian, "пальц", "3е", "палец"},
                    RuleCase{kRussian, "ружь", "3ей", "руже"},  // ь after the vowel goes
                    RuleCase{kBelarusian, "лаўк", "3а", "лавак"},
                    RuleCase{kBelarusian, "вёдр", "3е", "вёдзер"}));

INSTANTIATE_TEST_SUITE_P(
    FinalConsonant, RuleApplies,
    testing::Values(RuleCase{kRussian, "пах", "4ш", "паш"}, RuleCase{kRussian, "м", "4я", "я"},
                    RuleCase{kRussian, "в", "4ты", "т"}, RuleCase{kRussian, "пек", "4ч", "печ"},
                    RuleCase{kBelarusian, "лав", "4ў", "лаў"}, RuleCase{kBelarusian, "рук", "4ц", "руц"},
                    RuleCase{kBelarusian, "мі", "4я", "мя"}));

INSTANTIATE_TEST_SUITE_P(
    ProstheticI, RuleApplies,
    testing::Values(RuleCase{kBelarusian, "ільготн", "5", "льготн"},
                    RuleCase{kBelarusian, "ігрул", "5", "грул"},
                    RuleCase{kBelarusian, "імх", "5", "мх"}));

INSTANTIATE_TEST_SUITE_P(
    VerbPrefix, RuleApplies,
    testing::Values(RuleCase{kRussian, "сбр", "8", "собр"}, RuleCase{kRussian, "взрв", "8", "взорв"},
                    RuleCase{kRussian, "вгн", "8", "вогн"}, RuleCase{kRussian, "поисп", "8", "поизоп"},
                    RuleCase{kRussian, "стк", "8", "сотк"},  // no letter condition in Russian
                    RuleCase{kBelarusian, "зб", "8", "саб"}, RuleCase{kBelarusian, "сп", "8", "сап"},
                    RuleCase{kBelarusian, "звяз", "8", "саўяз"}, RuleCase{kBelarusian, "абвяз", "8", "абаўяз"}));

struct FailingRuleCase {
    int lang;
    const char* stem;
    const char* code;
    const char* message;
};

void PrintTo(const FailingRuleCase& c, std::ostream* os) {
    *os << (c.lang == kRussian ? "rus " : "bel ") << c.stem << " " << c.code;
}

class RuleFails : public testing::TestWithParam<FailingRuleCase> {};

TEST_P(RuleFails, ExplainsAndKeepsTheStem) {
    const FailingRuleCase& c = GetParam();
    std::string stem = W(c.stem);
    EXPECT_FALSE(ApplyModifRule(c.lang, stem, W(c.code)));
    EXPECT_EQ(U(LastRuleError()), c.message);
    EXPECT_EQ(U(stem), c.stem);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RuleFails,
    testing::Values(
        FailingRuleCase{kRussian, "ст", "1", "Error in modif rule 1"},       // no vowel
        FailingRuleCase{kRussian, "дух", "2", "Error in modif rule 2"},      // no pattern for у
        FailingRuleCase{kBelarusian, "дзік", "1", "Error in modif rule 1"},  // no pattern for і
        FailingRuleCase{kRussian, "оа", "3о", "Error in modif rule 3 (о)"},
        FailingRuleCase{kRussian, "окн", "3", "Error in modif rule 3 ()"},  // missing letter
        FailingRuleCase{kRussian, "паш", "4ш", "Error in modif rule 4"},
        FailingRuleCase{kRussian, "пах", "4б", "Error in modif rule 4"},    // б is no target
        FailingRuleCase{kRussian, "пах", "4с", "Error in modif rule 4"},    // с does not replace х
        FailingRuleCase{kRussian, "", "4ш", "Error in modif rule 4"},
        FailingRuleCase{kRussian, "пах", "4", "Error in modif rule 4"},     // missing letter
        FailingRuleCase{kBelarusian, "ігра", "5", "Error in modif rule 5"},
        FailingRuleCase{kBelarusian, "іл", "5", "Error in modif rule 5"},
        FailingRuleCase{kBelarusian, "альготн", "5", "Error in modif rule 5"},  // must start with і
        FailingRuleCase{kRussian, "брал", "8", "Error in modif rule 8"},
        FailingRuleCase{kRussian, "с", "8", "Error in modif rule 8"},       // nothing after prefix
        FailingRuleCase{kBelarusian, "зк", "8", "Error in modif rule 8"},    // з before voiceless
        FailingRuleCase{kBelarusian, "сб", "8", "Error in modif rule 8"},    // с before voiced
        FailingRuleCase{kRussian, "ільготн", "5", "Modif rule 5 not applicable for lang 0"},
        FailingRuleCase{kBelarusian, "рук", "6а", "Modif rule 6а not applicable for lang 1"},
        FailingRuleCase{kRussian, "рук", "7", "Modif rule 7 not applicable for lang 0"},
        FailingRuleCase{2, "рук", "1", "Modif rule 1 not applicable for lang 2"}));

TEST(ModifRules, CodeLengthCountsTheParameterLetter) {
    for (char code : std::string_view("12345678")) {
        EXPECT_TRUE(IsModifRuleCode(code));
        EXPECT_EQ(ModifRuleCodeLength(code), code == '3' || code == '4' ? 2U : 1U) << code;
    }
    for (char c : std::string_view("09@a")) EXPECT_FALSE(IsModifRuleCode(c));
}

}  // namespace
}  // namespace kunimor
