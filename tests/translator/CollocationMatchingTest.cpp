#include "translator/CollocationMatching.h"

#include "dictionary/LookupSettings.h"
#include "morphology/WordKind.h"
#include "translator/Segmentation.h"
#include "translator/TranslatorFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace kunimor;
using ::testing::ElementsAre;

namespace {

// Russian words of the test dictionary; дом starts collocations, and
// "дом книги" (книга in the genitive singular) is one.
constexpr int32_t kDom = 28, kKniga = 29, kBrat = 30;
constexpr int32_t kDomKnigi = 5000001;

class CollocationMatching : public TranslatorFixture {
protected:
    void Match(const std::string& utf8) {
        FreeElements(ElementList, -1);
        SourceText = W(utf8);
        BuildElementList(m, 1, nullptr);
        MatchCollocations(m);
    }

    // A Russian collocation of the words given (slot form 0: any), with a
    // translation into the Belarusian "дом кнігі".
    void AddCollocation(int32_t no, int mainPar, const std::vector<int32_t>& words) {
        std::vector<std::pair<int, Value>> fields = {
            {CollocField::No, no}, {CollocField::Kind, int32_t{kNoun}}, {CollocField::MainPar, int32_t{mainPar}},
            {CollocField::Tag, int32_t{0}}};
        Table& t = m.CollocTable(kRussian);
        t.Insert();
        for (const auto& [field, value] : fields) t.Set(field, value);
        for (int k = 1; k <= 5; ++k) {
            const int32_t word = k <= static_cast<int>(words.size()) ? words[static_cast<std::size_t>(k - 1)] : 0;
            t.Set(CollocField::SlotNo(k), Value(word));
            t.Set(CollocField::SlotFrm(k), Value(int32_t{0}));
            t.Set(CollocField::SlotAlt(k), Value(false));
            t.Set(CollocField::SlotDelim(k), Value(std::string()));
        }
        t.Post();
        AddRow(m.tblTrans(), {{TransField::RusNo, no}, {TransField::BelNo, kDomKnigi}, {TransField::Tag, int32_t{58}}});
    }

    // (word number, form) of each reading of element i
    std::vector<std::pair<int32_t, int>> Readings(int i) const {
        const TWordEl* el = ElementList;
        while (i-- > 0) el = el->Next;
        std::vector<std::pair<int32_t, int>> readings;
        for (const TWordForm* r = el->Readings; r; r = r->Next) readings.emplace_back(r->WordNo, r->Form);
        return readings;
    }
};

TEST_F(CollocationMatching, GapsAndFormsDecideWhetherTheWordsAreOne) {
    struct Case {
        const char* text;
        std::vector<std::string> elements;
    };
    const std::vector<Case> cases = {
        {"дом книги брат", {"дом книги", "брат"}},
        {"дом   книги", {"дом   книги"}},
        {"дом\r\nкниги", {"дом\r\nкниги"}},
        {"дом, книги", {"дом", "книги"}},     // the collocation wants a space between
        {"дом книгой", {"дом", "книгой"}},    // and the genitive singular
        {"брат дом", {"брат", "дом"}},        // the last word starts nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Match(c.text);
        EXPECT_EQ(Written(), c.elements);
    }
    Match("дом книги");
    EXPECT_THAT(Readings(0), ElementsAre(std::pair{kDomKnigi, 1}, std::pair{kDomKnigi, 4}));
    EXPECT_EQ(ElementList->KindSum, kNoun);
}

TEST_F(CollocationMatching, TheMainWordLendsItsReadingsAndAnInvariableOneIsAFunctionWord) {
    AddCollocation(5000002, 1, {kDom, kBrat, kKniga});
    Match("дом брата книгу.");
    EXPECT_THAT(Written(), ElementsAre("дом брата книгу"));
    // брата: genitive and accusative singular
    EXPECT_THAT(Readings(0), ElementsAre(std::pair{5000002, 2}, std::pair{5000002, 4}));

    AddCollocation(5000003, -1, {kDom, kKniga});
    Match("дом книгой");
    EXPECT_THAT(Written(), ElementsAre("дом книгой"));
    EXPECT_THAT(Readings(0), ElementsAre(std::pair{5000003, 1}));
    EXPECT_EQ(ElementList->Readings->Kind, kUnchangeable);
}

TEST_F(CollocationMatching, AnUntranslatableCollocationIsSkipped) {
    AddCollocation(5000004, 0, {kDom, kBrat});
    ASSERT_TRUE(m.tblTrans().Locate("RusNo", {Value(int32_t{5000004})}));
    m.tblTrans().Delete();
    Match("дом брат");
    EXPECT_THAT(Written(), ElementsAre("дом", "брат"));
}

// The expert's report of a missing translation reads the collocation table
// in the middle of the search; the next collocation of the pair is still tried.
TEST_F(CollocationMatching, ReportingAMissingTranslationDoesNotLoseTheNextCandidate) {
    AddCollocation(5000004, 0, {kDom, kBrat});
    ASSERT_TRUE(m.tblTrans().Locate("RusNo", {Value(int32_t{5000004})}));
    m.tblTrans().Delete();
    AddCollocation(5000005, 0, {kDom, kBrat});
    AdvTrans = true;
    Match("дом брат");
    AdvTrans = false;
    EXPECT_THAT(Written(), ElementsAre("дом брат"));
    EXPECT_EQ(ElementList->Readings->WordNo, 5000005);
    EXPECT_THAT(messages, ::testing::Contains(::testing::HasSubstr("5000004")));
}

}  // namespace
