#include "import/WordParadigm.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "support/Text.h"

#include <gtest/gtest.h>

using namespace kunimor;
using namespace kunimor::import;

namespace {

TFormTable Table(int kind, std::initializer_list<std::pair<int, const char*>> mains) {
    TFormTable t(FormCount(kind));
    for (const auto& [form, text] : mains) t[form - 1].first = W(text);
    return t;
}

// Every form the paradigm keeps is rebuilt by synthesis.
void ExpectRebuilds(int lang, const TFormTable& forms, const TWordParadigm& p) {
    for (size_t i = 0; i < forms.size(); ++i) {
        const std::string& f = forms[i].first;
        if (f.empty() || std::find(p.Dropped.begin(), p.Dropped.end(), f) != p.Dropped.end()) continue;
        EXPECT_EQ(U(BuildForm(lang, p.Stem, p.Forms, false, static_cast<int>(i) + 1)), U(f)) << "form " << i + 1;
    }
}

}  // namespace

TEST(WordParadigm, SharedPrefixBecomesTheStemAndTheRestTheEndings) {
    const TFormTable forms = Table(kNoun, {{1, "стол"}, {2, "стола"}, {3, "столу"}, {4, "стол"}, {5, "столом"},
                                            {6, "столе"}, {7, "столы"}, {8, "столов"}});
    const TWordParadigm p = WordParadigmFromForms(kRussian, kNoun, forms);
    EXPECT_EQ(U(p.Stem), "стол");
    EXPECT_EQ(U(p.Forms), "@;а;у;@;ом;е;ы;ов");
    EXPECT_TRUE(p.Dropped.empty());
    ExpectRebuilds(kRussian, forms, p);
}

TEST(WordParadigm, AlternativesFollowTheirMainForm) {
    TFormTable forms = Table(kNoun, {{1, "лес"}, {6, "лесе"}});
    forms[5].second = W("лесу");
    const TWordParadigm p = WordParadigmFromForms(kRussian, kNoun, forms);
    EXPECT_EQ(U(p.Forms), "@;;;;;е|у");
}

TEST(WordParadigm, StemIsShortenedWhereTheBelarusianJunctionWouldChangeIt) {
    // With the stem кот the ending ю would turn т into ц (коцю).
    const TFormTable forms = Table(kNoun, {{1, "кот"}, {3, "котю"}});
    const TWordParadigm p = WordParadigmFromForms(kBelarusian, kNoun, forms);
    EXPECT_EQ(U(p.Stem), "ко");
    EXPECT_TRUE(p.Dropped.empty());
    ExpectRebuilds(kBelarusian, forms, p);
}

TEST(WordParadigm, SuppletiveFormsAreDroppedNotTheWord) {
    const TFormTable forms = Table(kImperfectiveVerb, {{1, "идти"}, {2, "иду"}, {9, "шел"}, {10, "шла"}});
    const TWordParadigm p = WordParadigmFromForms(kRussian, kImperfectiveVerb, forms);
    EXPECT_EQ(U(p.Stem), "ид");
    ASSERT_EQ(p.Dropped.size(), 2u);
    EXPECT_EQ(U(p.Dropped[0]), "шел");
    ExpectRebuilds(kRussian, forms, p);
}

// The dropped forms come back as words of their own, one per first letter,
// in the slots they had: ён, яго, ім.
TEST(WordParadigm, SuppletiveFormsGroupByTheirFirstLetter) {
    TFormTable forms = Table(kAdjective, {{1, "ён"}, {5, "яго"}, {9, "яму"}, {13, "яго"}, {17, "ім"}, {21, "ім"}});
    forms[4].second = W("ягонага");  // an alternative stays an alternative when its main form is in the group
    forms[20].second = W("ём");      // shares the stem's first letter: stays with the word
    const TWordParadigm p = WordParadigmFromForms(kBelarusian, kAdjective, forms);
    ASSERT_EQ(U(p.Stem), "ё");
    const std::vector<TFormTable> groups = SuppletiveGroups(forms, p.Stem);
    ASSERT_EQ(groups.size(), 2u);
    struct Case {
        size_t Group;
        int Form;
        const char* Main;
        const char* Alt;
    };
    const Case cases[] = {
        {0, 17, "ім", ""},        {0, 21, "ім", ""}, {0, 1, "", ""},   // the і group (by letter code)
        {1, 5, "яго", "ягонага"}, {1, 9, "яму", ""}, {1, 17, "", ""},  // the я group
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U(groups[c.Group][c.Form - 1].first), c.Main) << c.Form;
        EXPECT_EQ(U(groups[c.Group][c.Form - 1].second), c.Alt) << c.Form;
    }
    EXPECT_EQ(U(groups[0][20].second), "");
    for (const TFormTable& g : groups) ExpectRebuilds(kBelarusian, g, WordParadigmFromForms(kBelarusian, kAdjective, g));
}

TEST(WordParadigm, EndingsLongerThanTenLettersAreDropped) {
    const TFormTable forms = Table(kAdjective, {{1, "ба"}, {2, "бабвгдежзийк"}, {3, "бо"}});
    const TWordParadigm p = WordParadigmFromForms(kRussian, kAdjective, forms);
    EXPECT_EQ(U(p.Stem), "б");
    EXPECT_EQ(p.Dropped.size(), 1u);
}

TEST(WordParadigm, AStrayFormDoesNotCostTheWordItsDictionaryForm) {
    // The data misspells one form; the stem still leaves the lemma a short ending.
    const TFormTable forms = Table(kImperfectiveVerb, {{1, "санкцыяніраваць"}, {2, "санкцыянірую"},
                                                       {4, "санцыяніруеш"}, {9, "санкцыяніраваў"}});
    const TWordParadigm p = WordParadigmFromForms(kBelarusian, kImperfectiveVerb, forms);
    EXPECT_EQ(U(p.Stem), "санкцыянір");
    ASSERT_EQ(p.Dropped.size(), 1u);
    EXPECT_EQ(U(p.Dropped[0]), "санцыяніруеш");
    ExpectRebuilds(kBelarusian, forms, p);
}

TEST(WordParadigm, AWordWithoutFormsHasNoStem) {
    EXPECT_TRUE(WordParadigmFromForms(kRussian, kNoun, TFormTable(13)).Stem.empty());
}
