#include "editing/WordsSelection.h"

#include "editing/EditedDictionary.h"
#include "support/Text.h"

#include <gmock/gmock.h>

using namespace kunimor;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(WordsFilter, ThePatternButtonTakesWildcardsAndALeadingMinus) {
    struct Case {
        const char* text;
        bool isPattern;
        const char* pattern;
        bool negate;
    } cases[] = {
        {"-*ся", true, "*ся", true},         // a leading minus negates
        {"кое-что", true, "кое-что", false},  // a hyphen inside makes a pattern that matches only itself
        {"ч?т*", true, "ч?т*", false},
        {"дом", false, "", false},           // plain text only moves the cursor
    };
    for (const Case& c : cases) {
        TWordsFilter filter;
        filter.Pattern = "old";
        filter.Negate = true;
        EXPECT_EQ(filter.TakePattern(W(c.text)), c.isPattern) << c.text;
        EXPECT_EQ(U(filter.Pattern), c.pattern) << c.text;
        EXPECT_EQ(filter.Negate, c.negate) << c.text;
        EXPECT_EQ(filter.Active(), c.isPattern) << c.text;
    }
}

class WordsSelection : public EditedDictionary {
protected:
    std::vector<std::string> Lemmas(const TWordsFilter& filter) {
        TWordsSelection selection(m, 0);
        selection.Select(filter);
        std::vector<std::string> lemmas;
        for (int row = 0; row < selection.Size(); ++row) lemmas.push_back(U(selection.LemmaAt(row)));
        return lemmas;
    }
    TWordsFilter Pattern(const char* text) {
        TWordsFilter filter;
        filter.TakePattern(W(text));
        return filter;
    }
};

TEST_F(WordsSelection, ListsEveryWordByLemmaInDictionaryOrderWithoutMarkingTheTableModified) {
    TWordsSelection selection(m, 0);
    selection.Select({});
    ASSERT_EQ(selection.Size(), m.WordsTable(0).RecordCount());
    for (int row = 1; row < selection.Size(); ++row)
        EXPECT_LE(CompareStrings(selection.LemmaAt(row - 1), selection.LemmaAt(row), Collation::Dictionary), 0);
    EXPECT_EQ(U(selection.LemmaAt(selection.RowOfNo(32))), "читать");  // computed from stem and paradigm
    EXPECT_FALSE(m.WordsTable(0).Modified());
    EXPECT_FALSE(m.AnyModified());
}

TEST_F(WordsSelection, ASaveAfterBrowsingWritesNoLemmaAndTheReloadedTableComputesThemAgain) {
    TWordsSelection(m, 0).Select({});
    m.AddWord(0, W("заняться"), -1, 0, -1);
    ASSERT_TRUE(m.SaveIfModified());
    TBelEditModule reloaded{prompter};
    ASSERT_TRUE(reloaded.OpenDictionary(DataDir().string()));
    TWordsSelection selection(reloaded, 0);
    selection.Select({});
    EXPECT_EQ(U(selection.LemmaAt(selection.RowOfNo(32))), "читать");
    EXPECT_NE(selection.FirstWithPrefix(W("заня")), -1);
}

TEST_F(WordsSelection, PatternsSelectByTheWholeLemma) {
    m.AddWord(0, W("заняться"), -1, 0, -1);
    EXPECT_THAT(Lemmas(Pattern("*ся")), ElementsAre("заняться"));
    const std::vector<std::string> rest = Lemmas(Pattern("-*ся"));
    EXPECT_EQ(rest.size(), static_cast<size_t>(m.WordsTable(0).RecordCount() - 1));
    for (const std::string& lemma : rest) EXPECT_FALSE(lemma.ends_with("ся")) << lemma;
    EXPECT_THAT(Lemmas(Pattern("кто-то")), ElementsAre("кто-то"));
    EXPECT_THAT(Lemmas(Pattern("-*т?")), ::testing::Not(::testing::Contains("читать")));
}

TEST_F(WordsSelection, FiltersCombineAndTheCountStaysWhenOnlyThePositionIsRestored) {
    TWordsFilter untranslated;
    untranslated.Untranslated = true;
    EXPECT_THAT(Lemmas(untranslated), ElementsAre("ль"));

    TWordsFilter modified;
    modified.OnlyModified = true;
    EXPECT_THAT(Lemmas(modified), IsEmpty());
    m.AddWord(0, W("заняться"), -1, 0, -1);
    EXPECT_THAT(Lemmas(modified), ElementsAre("заняться"));

    TWordsFilter paradigm;
    paradigm.Paradigm = 6;  // "дв" of two
    TWordsSelection selection(m, 0);
    selection.Select(paradigm);
    ASSERT_EQ(selection.Size(), 1);
    EXPECT_EQ(selection.NoAt(0), 22);
    m.DeleteWord(0, 22, true);
    EXPECT_TRUE(selection.Stale());
    selection.Select(paradigm, false);
    EXPECT_EQ(selection.Size(), 0);
    EXPECT_EQ(selection.Counted(), 1);  // the count of the last filter change
}

TEST_F(WordsSelection, IncrementalSearchFindsTheFirstLemmaWithThePrefixWithinTheSelection) {
    TWordsSelection selection(m, 0);
    selection.Select({});
    EXPECT_EQ(U(selection.LemmaAt(selection.FirstWithPrefix(W("ка")))), "какой");
    EXPECT_EQ(U(selection.LemmaAt(selection.FirstWithPrefix(W("кн")))), "книга");
    EXPECT_EQ(selection.FirstWithPrefix(W("щ")), -1);
    EXPECT_EQ(selection.FirstWithPrefix(""), -1);
    selection.Select(Pattern("-к*"));
    EXPECT_EQ(selection.FirstWithPrefix(W("к")), -1);
}

}  // namespace
