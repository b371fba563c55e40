#include "morphology/FormSynthesis.h"

#include <gtest/gtest.h>

#include "ground/Error.h"
#include "morphology/ModifRules.h"
#include "morphology/WordKind.h"
#include "support/FormsText.h"
#include "support/Text.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

struct FormCase {
    const char* name;
    int lang;
    const char* stem;
    const char* part;  // the whole Forms text of a one-form paradigm
    const char* expected;
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

class BuildsForm : public testing::TestWithParam<FormCase> {};

TEST_P(BuildsForm, FromStemAndEntry) {
    const FormCase& c = GetParam();
    EXPECT_EQ(U(BuildForm(c.lang, W(c.stem), W(c.part), false, 1)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BuildsForm,
    testing::Values(FormCase{"PlainEnding", kRussian, "стол", "ы", "столы"},
                    FormCase{"StemItself", kRussian, "стол", "@", "стол"},
                    FormCase{"Absent", kRussian, "стол", "", ""},
                    FormCase{"RuleWithoutEnding", kRussian, "окн", "3о", "окон"},
                    FormCase{"RuleAndEnding", kRussian, "в", "4ты", "ты"},
                    FormCase{"RuleReplacesWholeStem", kRussian, "м", "4я", "я"},
                    FormCase{"TwoRules", kRussian, "сбр", "83о", "собор"},
                    FormCase{"RulesThenStemItself", kRussian, "сбр", "8@", "собр"},
                    FormCase{"BelarusianJunction", kBelarusian, "вад", "е", "вадзе"},
                    FormCase{"BelarusianNoJunction", kBelarusian, "дзв", "е", "дзве"},
                    FormCase{"BelarusianStemItselfJoins", kBelarusian, "лав", "@", "лаў"},
                    FormCase{"BelarusianRuleJoinsItsVowel", kBelarusian, "ваўк", "3о", "вавок"},
                    FormCase{"RussianHasNoJunction", kRussian, "вод", "е", "воде"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormSynthesis, SelectsFormNumberAndAlternative) {
    const std::string forms = MakeForms({{1, "а"}, {5, "ой|ою"}});
    EXPECT_EQ(U(BuildForm(kRussian, W("рук"), forms, false, 5)), "рукой");
    EXPECT_EQ(U(BuildForm(kRussian, W("рук"), forms, true, 5)), "рукою");
    EXPECT_EQ(BuildForm(kRussian, W("рук"), forms, true, 1), "");
    EXPECT_EQ(BuildForm(kRussian, W("рук"), forms, false, 6), "");
    EXPECT_EQ(U(BuildForm(kRussian, W("рук"), forms, false, 0)), "рука");
}

TEST(FormSynthesis, BuildFormReportsTheOriginalStemAndRule) {
    try {
        BuildForm(kRussian, W("брал"), W("а;8ать"), false, 2);
        FAIL() << "no exception";
    } catch (const Error& e) {
        EXPECT_EQ(U(e.what()), "Error creating form for word \"брал\":\r\nError in modif rule 8");
    }
}

TEST(FormSynthesis, TryBuildFormShowsHowFarTheRulesWent) {
    std::string result;
    // Rule 8 succeeds, then 4ш cannot replace р.
    EXPECT_FALSE(TryBuildForm(kRussian, W("сбр"), W("84шы"), true, result, false, 1));
    EXPECT_EQ(U(result), "собр84шы");
    EXPECT_EQ(U(LastRuleError()), "Error in modif rule 4");

    EXPECT_TRUE(TryBuildForm(kRussian, W("сбр"), W("8ать"), true, result, false, 1));
    EXPECT_EQ(U(result), "собрать");
    EXPECT_TRUE(TryBuildForm(kRussian, W("сбр"), W("8ать"), true, result, true, 1));
    EXPECT_EQ(result, "");
}

TEST(FormSynthesis, TryBuildFormJunctionIsOptional) {
    std::string result;
    ASSERT_TRUE(TryBuildForm(kBelarusian, W("вад"), W("е"), false, result, false, 1));
    EXPECT_EQ(U(result), "ваде");
    ASSERT_TRUE(TryBuildForm(kBelarusian, W("вад"), W("е"), true, result, false, 1));
    EXPECT_EQ(U(result), "вадзе");
}

TEST(FormSynthesis, ApplyEndingLeavesTheEnding) {
    std::string stem = W("окн");
    const std::string part = W("3оа");
    std::string_view rest = part;
    ASSERT_TRUE(ApplyEnding(kRussian, stem, rest, false));
    EXPECT_EQ(U(stem), "окон");
    EXPECT_EQ(U(rest), "а");

    stem = W("лав");
    rest = "@";
    ASSERT_TRUE(ApplyEnding(kBelarusian, stem, rest, true));
    EXPECT_EQ(U(stem), "лаў");
    EXPECT_EQ(rest, "");
}

// The dictionary opener finds special words by their lemma.
struct LemmaCase {
    int lang;
    const char* stem;
    const char* firstEntry;
    const char* lemma;
};

void PrintTo(const LemmaCase& c, std::ostream* os) { *os << c.stem << " " << c.firstEntry; }

class Lemma : public testing::TestWithParam<LemmaCase> {};

TEST_P(Lemma, IsTheFirstForm) {
    const LemmaCase& c = GetParam();
    const std::string forms = MakeForms({{1, c.firstEntry}, {2, "а"}, {7, "ы"}});
    bool alt = false;
    int formNo = 1;
    EXPECT_EQ(U(BuildFirstForm(c.lang, W(c.stem), forms, 0, alt, formNo)), c.lemma);
    EXPECT_EQ(formNo, 1);
    EXPECT_FALSE(alt);
}

INSTANTIATE_TEST_SUITE_P(SpecialWords, Lemma,
                         testing::Values(LemmaCase{kRussian, "м", "4я", "я"},
                                         LemmaCase{kRussian, "в", "4ты", "ты"},
                                         LemmaCase{kBelarusian, "дзв", "е", "дзве"}));

TEST(FormSynthesis, BuildFirstFormWalksMainThenAlternativeThenNextForm) {
    const std::string forms = MakeForms({{2, "|и"}, {3, "у"}, {30, "ся"}});
    bool alt = false;
    int formNo = 1;
    EXPECT_EQ(U(BuildFirstForm(kRussian, W("рук"), forms, 0, alt, formNo)), "руки");
    EXPECT_EQ(formNo, 2);
    EXPECT_TRUE(alt);

    alt = true;
    formNo = 2;
    EXPECT_EQ(U(BuildFirstForm(kRussian, W("рук"), forms, 0, alt, formNo)), "руки");

    alt = false;
    formNo = 3;
    EXPECT_EQ(U(BuildFirstForm(kRussian, W("рук"), forms, 0, alt, formNo)), "руку");
    EXPECT_EQ(formNo, 3);

    alt = false;
    formNo = 4;
    EXPECT_EQ(U(BuildFirstForm(kRussian, W("рук"), forms, 0, alt, formNo)), "рукся");
    EXPECT_EQ(formNo, 30);
}

TEST(FormSynthesis, BuildFirstFormStopsAtMaxForm) {
    const std::string forms = MakeForms({{3, "у"}});
    bool alt = false;
    int formNo = 1;
    EXPECT_EQ(BuildFirstForm(kRussian, W("рук"), forms, 2, alt, formNo), "");
    EXPECT_EQ(formNo, 3);
    EXPECT_FALSE(alt);
}

TEST(FormSynthesis, BuildFirstFormRaisesOnBrokenRule) {
    bool alt = false;
    int formNo = 1;
    EXPECT_THROW(BuildFirstForm(kRussian, W("брал"), W("8а"), 0, alt, formNo), Error);
}

struct FirstFormsCase {
    const char* name;
    int kind;
    std::string forms;
    FirstFormSet expected;  // UTF-8
};

void PrintTo(const FirstFormsCase& c, std::ostream* os) { *os << c.name; }

class FirstFormsOf : public testing::TestWithParam<FirstFormsCase> {};

TEST_P(FirstFormsOf, GivesEachHalfsFirstForm) {
    const FirstFormsCase& c = GetParam();
    const FirstFormSet got = FirstForms(kRussian, c.kind, W("сто"), c.forms);
    EXPECT_EQ(U(got.first), c.expected.first);
    EXPECT_EQ(U(got.firstAlt), c.expected.firstAlt);
    EXPECT_EQ(U(got.second), c.expected.second);
    EXPECT_EQ(U(got.secondAlt), c.expected.secondAlt);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FirstFormsOf,
    testing::Values(
        FirstFormsCase{"Noun", kNoun, MakeForms({{1, "л|лъ"}, {7, "лы"}, {8, "лов|л"}}),
                       {"стол", "столъ", "столы", ""}},
        FirstFormsCase{"NounAltFoundFirst", kNoun, MakeForms({{1, "|л"}, {7, "лы"}}),
                       {"стол", "", "столы", ""}},
        FirstFormsCase{"PluraleTantum", kNoun, MakeForms({{7, "лы|ла"}}), {"", "", "столы", "стола"}},
        FirstFormsCase{"SingularAltNotTakenFromPlural", kNoun, MakeForms({{8, "|лов"}}),
                       {"", "", "столов", ""}},
        FirstFormsCase{"Verb", kPerfectiveVerb, MakeForms({{1, "ять"}, {16, "яться"}}),
                       {"стоять", "", "стояться", ""}},
        FirstFormsCase{"Adjective", kAdjective, MakeForms({{1, "ловый|ловой"}, {26, "ловее"}}),
                       {"столовый", "столовой", "", ""}},
        FirstFormsCase{"Unchangeable", kUnchangeable, "@", {"сто", "", "", ""}},
        FirstFormsCase{"UnknownKind", 0, "@", {"", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kunimor
