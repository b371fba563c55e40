#include "translator/ReadingFilters.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/SourceText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace kunimor;
using ::testing::ElementsAre;

namespace {

// Elements laid over "раз два-три четыре" by hand; the test dictionary's
// only theme (1) is not selected.
class ReadingFilters : public FixtureDictionary {
protected:
    void SetUp() override {
        FixtureDictionary::SetUp();
        SourceText = W("раз два-три четыре");
        TWordEl* last = nullptr;
        for (auto [start, end] : {std::pair{1, 4}, {5, 8}, {9, 12}, {13, 19}}) {
            last = AppendElement(last);
            last->StartPos = start;
            last->EndPos = end;
            els.push_back(last);
        }
    }
    void TearDown() override { FreeElements(ElementList, -1); }

    static TWordForm& Add(TWordForm*& list, int32_t no, uint8_t kind, uint8_t form) {
        TWordForm f;
        f.WordNo = no;
        f.Kind = kind;
        f.Form = form;
        return *AppendWordForm(list, f);
    }
    // (word number, theme, inexact) of each candidate
    static std::vector<std::tuple<int32_t, int, bool>> Shape(const TWordForm* list) {
        std::vector<std::tuple<int32_t, int, bool>> shape;
        for (; list; list = list->Next) shape.emplace_back(list->WordNo, list->Theme, list->Inexact);
        return shape;
    }
    static std::vector<int32_t> Numbers(const TWordForm* list) {
        std::vector<int32_t> numbers;
        for (; list; list = list->Next) numbers.push_back(list->WordNo);
        return numbers;
    }

    std::vector<TWordEl*> els;
};

TEST_F(ReadingFilters, DeselectedThemesGoWhenOthersRemainAndStayInexactWhenAlone) {
    TWordForm* list = nullptr;
    Add(list, 1, kNoun, 1).Theme = 1;
    Add(list, 2, kNoun, 1);
    FilterThemes(m, list);
    EXPECT_THAT(Shape(list), ElementsAre(std::tuple{2, 0, false}));
    FreeWordForms(list);

    Add(list, 1, kNoun, 1).Theme = 1;
    Add(list, 3, kNoun, 2).Theme = 1;
    FilterThemes(m, list);
    EXPECT_THAT(Shape(list), ElementsAre(std::tuple{1, 1, true}, std::tuple{3, 1, true}));
    FreeWordForms(list);

    // once the theme is selected its words are keepers like any other
    ASSERT_TRUE(m.tblTheme().Locate("No", {Value(int32_t{1})}));
    m.tblTheme().Edit();
    m.tblTheme().Set(ThemeField::Selected, Value(true));
    m.tblTheme().Post();
    Add(list, 1, kNoun, 1).Theme = 1;
    Add(list, 2, kNoun, 1);
    FilterThemes(m, list);
    EXPECT_THAT(Shape(list), ElementsAre(std::tuple{1, 0, false}, std::tuple{2, 0, false}));
    FreeWordForms(list);
}

TEST_F(ReadingFilters, CapitalsChooseBetweenAbbreviationsAndWordsProperNamesAndCommonNouns) {
    for (TWordEl* el : els) {
        Add(el->Readings, 1, kNoun, 1);
        Add(el->Readings, 2, kNoun, 1).IsAbbrWord = true;
        Add(el->Readings, 3, kNoun, 1).IsProper = true;
    }
    els[0]->CaseKind = TCasePattern::csCapital;  // starts the piece: the capital says nothing, the name goes
    els[1]->CaseKind = TCasePattern::csUpper;
    els[2]->CaseKind = TCasePattern::csCapital;
    els[3]->CaseKind = TCasePattern::csLower;
    FilterCapitals();
    EXPECT_THAT(Numbers(els[0]->Readings), ElementsAre(1));
    EXPECT_THAT(Numbers(els[1]->Readings), ElementsAre(2));
    EXPECT_THAT(Numbers(els[2]->Readings), ElementsAre(3));
    EXPECT_THAT(Numbers(els[3]->Readings), ElementsAre(1));
}

TEST_F(ReadingFilters, ReadingsWithoutTranslationGoWhenAnotherHasOne) {
    m.SetDirection(kRussian);
    // Russian 10 ли and 28 дом have translations, 11 ль has none
    Add(els[0]->Readings, 11, kUnchangeable, 1);
    Add(els[0]->Readings, 10, kUnchangeable, 1);
    Add(els[1]->Readings, 11, kUnchangeable, 1);  // alone: kept
    Add(els[2]->Readings, 28, kNoun, 1);
    Add(els[2]->Readings, 11, kUnchangeable, 1);
    Add(els[2]->Readings, 28, kNoun, 4);
    KeepTranslatableReadings(m);
    EXPECT_THAT(Numbers(els[0]->Readings), ElementsAre(10));
    EXPECT_THAT(Numbers(els[1]->Readings), ElementsAre(11));
    EXPECT_THAT(Numbers(els[2]->Readings), ElementsAre(28, 28));
}

TEST_F(ReadingFilters, TheSecondPersonPluralIsTheImperativeUnlessThePieceSaysVy) {
    m.SetDirection(kRussian);
    auto give = [&] {
        for (std::size_t i : {0u, 2u}) {
            FreeWordForms(els[i]->Readings);
            Add(els[i]->Readings, 33, kPerfectiveVerb, 5);
            Add(els[i]->Readings, 33, kPerfectiveVerb, 15);
            Add(els[i]->Readings, 33, kPerfectiveVerb, 20);  // the reflexive twins
            Add(els[i]->Readings, 33, kPerfectiveVerb, 30);
        }
    };
    auto forms = [](const TWordForm* list) {
        std::vector<int> out;
        for (; list; list = list->Next) out.push_back(list->Form);
        return out;
    };
    give();
    ChooseImperativeOrFuture(m);  // верните
    EXPECT_THAT(forms(els[0]->Readings), ElementsAre(15, 30));
    EXPECT_THAT(forms(els[2]->Readings), ElementsAre(15, 30));
    give();
    Add(els[1]->Readings, m.SrcTyWordNo, kNoun, 7);  // вы вернете
    ChooseImperativeOrFuture(m);
    EXPECT_THAT(forms(els[0]->Readings), ElementsAre(5, 20));
    EXPECT_THAT(forms(els[2]->Readings), ElementsAre(5, 20));
}

TEST_F(ReadingFilters, HyphenFormsStayBeforeAHyphenOnly) {
    for (TWordEl* el : els) {
        Add(el->Readings, 1, kNoun, 13);                   // joining form of a noun
        Add(el->Readings, 2, kAdjective, 25).FormVar = 1;  // по-... adverb
        Add(el->Readings, 3, kNoun, 1);
    }
    FilterHyphenForms();
    EXPECT_THAT(Numbers(els[0]->Readings), ElementsAre(1, 2, 3));  // the first word is left alone
    EXPECT_THAT(Numbers(els[1]->Readings), ElementsAre(1, 2));     // два-
    EXPECT_THAT(Numbers(els[2]->Readings), ElementsAre(2, 3));
    EXPECT_THAT(Numbers(els[3]->Readings), ElementsAre(2, 3));     // the last word
}

}  // namespace
