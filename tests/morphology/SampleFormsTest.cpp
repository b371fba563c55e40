#include "morphology/SampleForms.h"

#include <gtest/gtest.h>

#include "morphology/WordKind.h"
#include "support/FormsText.h"
#include "support/Text.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

struct SampleCase {
    const char* name;
    int lang;
    int kind;
    const char* stem;
    std::string forms;
    TCasePattern pattern;
    const char* withLemma;
    const char* listOnly;
};

void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }

class Sample : public testing::TestWithParam<SampleCase> {};

TEST_P(Sample, ShowsLemmaAndKeyForms) {
    const SampleCase& c = GetParam();
    EXPECT_EQ(U(SampleForms(c.lang, c.kind, W(c.stem), true, c.pattern, c.forms)), c.withLemma);
    EXPECT_EQ(U(SampleForms(c.lang, c.kind, W(c.stem), false, c.pattern, c.forms)), c.listOnly);
}

const std::string kTable = MakeForms({{1, "@"}, {2, "а"}, {7, "ы"}, {8, "ов"}});

INSTANTIATE_TEST_SUITE_P(
    Kinds, Sample,
    testing::Values(
        SampleCase{"Noun", kRussian, kNoun, "стол", kTable, TCasePattern::csLower, "стол (столы)", "столы"},
        SampleCase{"NounCapitalised", kRussian, kNoun, "стол", kTable, TCasePattern::csCapital,
                   "Стол (Столы)", "Столы"},
        SampleCase{"NounAbbreviation", kRussian, kNoun, "вуз", kTable, TCasePattern::csUpper,
                   "ВУЗ (ВУЗЫ)", "ВУЗЫ"},
        SampleCase{"NounWithBareForm", kBelarusian, kNoun, "сорак", MakeForms({{1, "@"}, {7, "і"}, {13, "а"}}),
                   TCasePattern::csLower, "сорак (соракі, сорака-...)", "соракі, сорака-..."},
        SampleCase{"PluraleTantum", kRussian, kNoun, "ножниц", MakeForms({{7, "ы"}, {8, "@"}}),
                   TCasePattern::csLower, "ножницы", "ножницы"},  // nothing to list: the lemma alone
        SampleCase{"BrokenFormShowsQuestionMark", kRussian, kNoun, "брал", MakeForms({{1, "@"}, {7, "8ы"}}),
                   TCasePattern::csLower, "брал (?)", "?"},
        SampleCase{"RussianAdjective", kRussian, kAdjective, "нов",
                   MakeForms({{1, "ый|ой"}, {25, "о|ому"}, {26, "ее"}}), TCasePattern::csLower,
                   "новый (новой, ново-..., [по-]новому, новее)", "новой, ново-..., [по-]новому, новее"},
        SampleCase{"BelarusianAdjective", kBelarusian, kAdjective, "нов", MakeForms({{1, "ы"}, {25, "|аму"}}),
                   TCasePattern::csLower, "новы (па-новаму)", "па-новаму"},
        SampleCase{"Verb", kImperfectiveVerb, kImperfectiveVerb, "чита",
                   MakeForms({{1, "ть"}, {2, "ю"}, {16, "ться"}, {17, "юсь"}}), TCasePattern::csLower,
                   "читать (читаю, читаться)", "читаю, читаться"},
        SampleCase{"VerbWithoutInfinitive", kRussian, kPerfectiveVerb, "чита",
                   MakeForms({{2, "ю"}, {16, "ться"}, {17, "юсь"}}), TCasePattern::csLower,
                   "читаю (читаю, читаюсь)", "читаю, читаюсь"},
        SampleCase{"Unchangeable", kRussian, kUnchangeable, "вдруг", "@", TCasePattern::csLower, "вдруг", "вдруг"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kunimor
