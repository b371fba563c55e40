#include "morphology/FormCodes.h"

#include <gtest/gtest.h>

#include "ground/Language.h"
#include "support/Text.h"

namespace kunimor {
namespace {

struct ReaderCase {
    const char* name;
    int (*read)(int);
    int form;
    int expected;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name << '(' << c.form << ')'; }

class FormReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(FormReader, ReadsCaseOrGenderNumber) {
    EXPECT_EQ(GetParam().read(GetParam().form), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FormCodes, FormReader,
    testing::Values(ReaderCase{"NounCase", NounCase, 1, 1}, ReaderCase{"NounCase", NounCase, 9, 3},
                    ReaderCase{"NounCase", NounCase, 12, 6}, ReaderCase{"NounCase", NounCase, 13, 0},
                    ReaderCase{"NounCase", NounCase, 0, 0}, ReaderCase{"NounCase", NounCase, 14, 0},
                    ReaderCase{"AdjCase", AdjCase, 18, 5}, ReaderCase{"AdjCase", AdjCase, 24, 6},
                    ReaderCase{"AdjCase", AdjCase, 25, 0}, ReaderCase{"AdjCase", AdjCase, 0, 0},
                    ReaderCase{"AdjGN", AdjGN, 18, 2}, ReaderCase{"AdjGN", AdjGN, 24, 4},
                    ReaderCase{"AdjGN", AdjGN, 26, 0}, ReaderCase{"AdjGN", AdjGN, 0, 0},
                    ReaderCase{"VerbGN", VerbGN, 9, 1}, ReaderCase{"VerbGN", VerbGN, 24, 1},
                    ReaderCase{"VerbGN", VerbGN, 3, 4}, ReaderCase{"VerbGN", VerbGN, 26, 3},
                    ReaderCase{"VerbGN", VerbGN, 2, 0}, ReaderCase{"VerbGN", VerbGN, 0, 0},
                    ReaderCase{"VerbGN", VerbGN, 31, 0}, ReaderCase{"VerbGNMask", VerbGNMask, 17, 6},
                    ReaderCase{"VerbGNMask", VerbGNMask, 27, 16}, ReaderCase{"VerbGNMask", VerbGNMask, 4, 14},
                    ReaderCase{"VerbGNMask", VerbGNMask, 11, 8}, ReaderCase{"VerbGNMask", VerbGNMask, 13, 0},
                    ReaderCase{"VerbGNMask", VerbGNMask, 30, 16}, ReaderCase{"VerbGNMask", VerbGNMask, 0, 0},
                    ReaderCase{"VerbGNMask", VerbGNMask, 255, 0},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 6, 1},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 8, 0},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 12, 2},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 21, 3},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 23, 0},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 27, 4},
                    ReaderCase{"VerbAgreementGroup", VerbAgreementGroup, 28, 0}));

struct SetterCase {
    const char* name;
    void (*set)(uint8_t&, int);
    int form;
    int value;
    int expected;
};

void PrintTo(const SetterCase& c, std::ostream* os) {
    *os << c.name << '(' << c.form << ", " << c.value << ')';
}

class FormSetter : public testing::TestWithParam<SetterCase> {};

TEST_P(FormSetter, ChangesOnlyWhatItMay) {
    uint8_t form = static_cast<uint8_t>(GetParam().form);
    GetParam().set(form, GetParam().value);
    EXPECT_EQ(form, GetParam().expected);
}

// Forms, cases and genders out of range must leave the form alone instead
// of turning it into some other valid form.
INSTANTIATE_TEST_SUITE_P(
    FormCodes, FormSetter,
    testing::Values(SetterCase{"NounSetCase", NounSetCase, 9, 2, 8},
                    SetterCase{"NounSetCase", NounSetCase, 3, 5, 5},
                    SetterCase{"NounSetCase", NounSetCase, 12, 1, 7},
                    SetterCase{"NounSetCase", NounSetCase, 13, 2, 13},
                    SetterCase{"NounSetCase", NounSetCase, 0, 2, 0},
                    SetterCase{"NounSetCase", NounSetCase, 4, 0, 4},
                    SetterCase{"NounSetCase", NounSetCase, 4, 7, 4},
                    SetterCase{"AdjSetCase", AdjSetCase, 18, 1, 2},
                    SetterCase{"AdjSetCase", AdjSetCase, 5, 6, 21},
                    SetterCase{"AdjSetCase", AdjSetCase, 25, 3, 25},
                    SetterCase{"AdjSetCase", AdjSetCase, 0, 3, 0},
                    SetterCase{"AdjSetCase", AdjSetCase, 6, 7, 6},
                    SetterCase{"AdjSetGN", AdjSetGN, 18, 4, 20},
                    SetterCase{"AdjSetGN", AdjSetGN, 24, 1, 21},
                    SetterCase{"AdjSetGN", AdjSetGN, 25, 1, 25},
                    SetterCase{"AdjSetGN", AdjSetGN, 0, 2, 0},
                    SetterCase{"AdjSetGN", AdjSetGN, 18, 0, 18},
                    SetterCase{"AdjSetGN", AdjSetGN, 18, 5, 18},
                    SetterCase{"VerbSetGN", VerbSetGN, 21, 4, 22},
                    SetterCase{"VerbSetGN", VerbSetGN, 24, 2, 25},
                    SetterCase{"VerbSetGN", VerbSetGN, 22, 3, 21},
                    SetterCase{"VerbSetGN", VerbSetGN, 6, 4, 7},
                    SetterCase{"VerbSetGN", VerbSetGN, 7, 1, 6},
                    SetterCase{"VerbSetGN", VerbSetGN, 12, 1, 9},
                    SetterCase{"VerbSetGN", VerbSetGN, 2, 4, 2},
                    SetterCase{"VerbSetGN", VerbSetGN, 13, 4, 13},
                    SetterCase{"VerbSetGN", VerbSetGN, 9, 0, 9},
                    SetterCase{"VerbSetGN", VerbSetGN, 9, 5, 9}));

TEST(FormCodes, NounSetNumberReportsTheOldHalf) {
    struct Case {
        int form, genderNumber, expectedForm, expectedHalf;
    };
    for (const Case& c : {Case{4, 4, 10, 0}, Case{10, 2, 4, 1}, Case{10, 4, 10, 1}, Case{6, 1, 6, 0},
                          Case{13, 4, 13, -1}, Case{0, 4, 0, -1}}) {
        uint8_t form = static_cast<uint8_t>(c.form);
        EXPECT_EQ(NounSetNumber(form, c.genderNumber), c.expectedHalf) << "form " << c.form;
        EXPECT_EQ(form, c.expectedForm) << "form " << c.form;
    }
}

TEST(FormCodes, NounNumberTakesTheGenderOnlyInTheSingular) {
    EXPECT_EQ(NounNumber(3, kFeminine), kFeminine);
    EXPECT_EQ(NounNumber(8, kMasculine), kPlural);
    EXPECT_EQ(NounNumber(13, kMasculine), kNoGender);
    EXPECT_EQ(NounNumber(0, kMasculine), kNoGender);
}

TEST(FormCodes, AdjFormIsReadBackByCaseAndGenderNumber) {
    for (int c = 1; c <= kCaseCount; ++c) {
        for (int gn = kMasculine; gn <= kPlural; ++gn) {
            const int form = AdjForm(c, gn);
            EXPECT_EQ(AdjCase(form), c) << "form " << form;
            EXPECT_EQ(AdjGN(form), gn) << "form " << form;
        }
    }
    EXPECT_EQ(AdjForm(5, kFeminine), 18);
    EXPECT_EQ(AdjForm(kNoCase, kMasculine), 0);
    EXPECT_EQ(AdjForm(1, kNoGender), 0);
    EXPECT_EQ(AdjForm(7, kMasculine), 0);
}

TEST(FormCodes, SingleCaseLooksAtBitsOneToSix) {
    struct Case {
        unsigned mask;
        int expected;
    };
    for (const Case& c : {Case{0x10, 4}, Case{0x14, 0}, Case{0, 0}, Case{0x02, 1}, Case{0x40, 6},
                          Case{0x41, 6}, Case{0x88, 3}, Case{0x7E, 0}}) {
        EXPECT_EQ(SingleCase(c.mask), c.expected) << "mask " << c.mask;
    }
}

TEST(FormCodes, CaseTextsPerLanguage) {
    EXPECT_EQ(U(CaseName(kRussian, 1)), "Именительный падеж");
    EXPECT_EQ(U(CaseName(kBelarusian, 6)), "Месны склон");
    EXPECT_EQ(U(CaseQuestion(kRussian, 4)), "кого? что?");
    EXPECT_EQ(U(CaseQuestion(kBelarusian, 2)), "каго? чаго?");
    // Latin i, byte 0x69, in both Belarusian questions of cases 5 and 6.
    EXPECT_EQ(CaseQuestion(kBelarusian, 5), W("к") + "i" + W("м? чым?"));
    EXPECT_EQ(CaseQuestion(kBelarusian, 6), CaseQuestion(kBelarusian, 5));
    EXPECT_EQ(CaseQuestion(kRussian, 0), " - ");
}

TEST(FormCodes, CaseOutOfRangeIsShownAsNotDefined) {
    EXPECT_EQ(U(CaseName(kBelarusian, 7)), "Склон не вызначаны");
    EXPECT_EQ(U(CaseName(kRussian, -1)), "Падеж не определен");
    EXPECT_EQ(CaseQuestion(kBelarusian, 200), " - ");
}

}  // namespace
}  // namespace kunimor
