#include "morphology/FormsText.h"

#include <gtest/gtest.h>

#include "morphology/WordKind.h"
#include "support/FormsText.h"
#include "support/Text.h"

namespace kunimor {
namespace {

struct EndingCase {
    const char* forms;
    int formNo;
    bool alt;
    const char* part;
};

void PrintTo(const EndingCase& c, std::ostream* os) {
    *os << '"' << c.forms << "\" form " << c.formNo << (c.alt ? " alt" : "");
}

class FormEndingOf : public testing::TestWithParam<EndingCase> {};

TEST_P(FormEndingOf, SelectsEntryAndPart) {
    const EndingCase& c = GetParam();
    EXPECT_EQ(U(FormEnding(W(c.forms), c.formNo, c.alt)), c.part);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FormEndingOf,
    testing::Values(EndingCase{"а;ы", 1, false, "а"}, EndingCase{"а;ы", 2, false, "ы"},
                    EndingCase{"а;ы", 3, false, ""}, EndingCase{"а;ы", 0, false, "а"},
                    EndingCase{"а;ы", 1, true, ""}, EndingCase{"ой|ою", 1, false, "ой"},
                    EndingCase{"ой|ою", 1, true, "ою"}, EndingCase{"|ою", 1, false, ""},
                    EndingCase{"|ою", 1, true, "ою"}, EndingCase{"а;;у|3ю", 3, true, "3ю"},
                    EndingCase{"а;;у", 2, false, ""}, EndingCase{"@;а", 1, false, "@"},
                    EndingCase{"", 1, false, ""}));

TEST(FormsText, TrimFormsDropsEmptyTailAndEmptyAlternatives) {
    EXPECT_EQ(U(TrimForms(W("а|;б|в;|;г;;|;"))), "а;б|в;;г");
    EXPECT_EQ(U(TrimForms(W("а;б"))), "а;б");
    EXPECT_EQ(TrimForms(";|;|"), "");
}

TEST(FormsText, HalfFormsSplitsAtHalfTheKindsForms) {
    const std::string pluralOnly = MakeForms({{7, "ы"}, {10, "ы"}});
    EXPECT_FALSE(HalfForms(kNoun, pluralOnly).inFirst);
    EXPECT_TRUE(HalfForms(kNoun, pluralOnly).inSecond);

    // Only an alternative in the last singular form still counts.
    const std::string singularAlt = MakeForms({{6, "|е"}, {13, "о"}});
    EXPECT_TRUE(HalfForms(kNoun, singularAlt).inFirst);
    EXPECT_FALSE(HalfForms(kNoun, singularAlt).inSecond);  // 13 lies beyond both halves

    const std::string reflexiveOnly = MakeForms({{16, "ться"}});
    EXPECT_FALSE(HalfForms(kPerfectiveVerb, reflexiveOnly).inFirst);
    EXPECT_TRUE(HalfForms(kPerfectiveVerb, reflexiveOnly).inSecond);

    EXPECT_FALSE(HalfForms(kUnchangeable, "@").inFirst);
    EXPECT_FALSE(HalfForms(kUnchangeable, "@").inSecond);
}

struct AnimacyCase {
    const char* name;
    std::string forms;
    bool preferSingular;
    int kind;
    int expected;
};

void PrintTo(const AnimacyCase& c, std::ostream* os) { *os << c.name; }

class AnimacyOf : public testing::TestWithParam<AnimacyCase> {};

TEST_P(AnimacyOf, ComparesNominativeWithAccusative) {
    const AnimacyCase& c = GetParam();
    EXPECT_EQ(Animacy(c.forms, c.preferSingular, c.kind), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paradigms, AnimacyOf,
    testing::Values(
        AnimacyCase{"SingularEqual", MakeForms({{1, "@"}, {4, "@"}, {7, "ы"}, {10, "ов"}}), true, kNoun, 1},
        AnimacyCase{"SingularDiffers", MakeForms({{1, "@"}, {4, "а"}, {7, "ы"}, {10, "ы"}}), true, kNoun, 2},
        AnimacyCase{"PluralWhenNotPreferred", MakeForms({{1, "@"}, {4, "@"}, {7, "ы"}, {10, "ов"}}), false, kNoun, 2},
        AnimacyCase{"PluralWhenSingularIncomplete", MakeForms({{1, "а"}, {7, "ы"}, {10, "ы"}}), true, kNoun, 1},
        AnimacyCase{"AlternativesIgnored", MakeForms({{1, "а|у"}, {4, "а|ю"}}), true, kNoun, 1},
        AnimacyCase{"NoCompletePair", MakeForms({{1, "а"}, {10, "ы"}}), true, kNoun, 0},
        AnimacyCase{"Indeclinable", "@;@;@;@;@;@;@;@;@;@;@;@", true, kNoun, 0},
        AnimacyCase{"NotANoun", MakeForms({{1, "ый"}, {4, "ого"}}), true, kAdjective, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kunimor
