#include "morphology/FormStemSeeker.h"

#include "ground/Error.h"
#include "ground/Language.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kunimor;

namespace {

// A seeker holding the UTF-8 main forms (one per form number, "" absent).
TStemSeeker Seeker(int lang, const std::vector<std::string>& forms) {
    TStemSeeker seeker(lang, static_cast<int>(forms.size()));
    for (std::size_t i = 0; i < forms.size(); ++i) seeker.SetForm(static_cast<int>(i) + 1, false, W(forms[i]));
    return seeker;
}

const std::vector<std::string> kStol{"стол",  "стола", "столу",  "стол",   "столом", "столе", "столы",
                                     "столов", "столам", "столы", "столами", "столах", ""};

TEST(FormContainer, ReadsAndWritesSlots) {
    TFormContainer c(kRussian, 3);
    EXPECT_EQ(c.FormCount(), 3);
    EXPECT_EQ(c.FirstKnownForm(), "");
    c.SetForm(1, false, "?");
    c.SetForm(2, true, W("кот"));
    c.SetForm(3, false, W("коты"));
    EXPECT_EQ(U(c.FirstKnownForm()), "кот");
    EXPECT_EQ(c.GetForm(4, false), "");
    EXPECT_EQ(c.GetForm(0, true), "");
    EXPECT_THROW(c.SetForm(4, false, "x"), Error);
}

struct SeekCase {
    int lang;
    std::vector<std::string> forms;
    const char* stem;
    const char* text;
};

class FindStemAndFormsCases : public ::testing::TestWithParam<SeekCase> {};

TEST_P(FindStemAndFormsCases, FindsTheCheapestStemAndText) {
    const SeekCase& c = GetParam();
    TStemSeeker seeker = Seeker(c.lang, c.forms);
    ASSERT_TRUE(seeker.FindStemAndForms());
    EXPECT_EQ(U(seeker.BestStem), c.stem);
    EXPECT_EQ(U(seeker.BestForms), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindStemAndFormsCases,
    ::testing::Values(SeekCase{kRussian, kStol, "стол", "@;а;у;@;ом;е;ы;ов;ам;ы;ами;ах"},
                      // к → ч found through the 4* wildcard
                      SeekCase{kRussian, {"пек", "печь"}, "пек", "@;4чь"},
                      // a fleeting vowel: день, дня
                      SeekCase{kRussian, {"день", "дня"}, "дн", "3еь;я"},
                      // rule 8 (с → со) needs no letter, so it beats 3о
                      SeekCase{kRussian, {"сон", "сна"}, "сн", "8@;а"},
                      // the з of вадзе belongs to the softened д
                      SeekCase{kBelarusian, {"вада", "вады", "вадзе"}, "вад", "а;ы;е"},
                      // к → ц and the fleeting а before a restored в
                      SeekCase{kBelarusian,
                               {"лаўка", "лаўкі", "лаўцы", "лаўку", "лаўкай", "лаўцы", "лаўкі", "лавак",
                                "лаўкам", "лаўкі", "лаўкамі", "лаўках", ""},
                               "лаўк", "а;і;4цы;у;ай;4цы;і;3а@;ам;і;амі;ах"},
                      // unknown forms need no entry
                      SeekCase{kRussian, {"кот", "?", "коту"}, "кот", "@;;у"}));

TEST(FindStemAndForms, FailsWithoutForms) {
    EXPECT_FALSE(Seeker(kRussian, {"", "", ""}).FindStemAndForms());
    EXPECT_FALSE(Seeker(kRussian, {"?", ""}).FindStemAndForms());
}

TEST(FindStemAndForms, GivenStemsAreTheOnlyCandidates) {
    TStemSeeker seeker = Seeker(kRussian, kStol);
    ASSERT_TRUE(seeker.FindStemAndForms(W("сто,с")));
    EXPECT_EQ(U(seeker.BestStem), "сто");
    EXPECT_EQ(U(seeker.BestForms), "л;ла;лу;л;лом;ле;лы;лов;лам;лы;лами;лах");
    EXPECT_FALSE(seeker.FindStemAndForms(W("кот")));
}

struct ExtractCase {
    int lang;
    std::vector<std::string> forms;
    const char* paradigm;
    bool found;
    const char* stems;
};

class ExtractStemsCases : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractStemsCases, FindsTheStemsThatReproduceTheForms) {
    const ExtractCase& c = GetParam();
    std::string stems = "unchanged";
    EXPECT_EQ(Seeker(c.lang, c.forms).ExtractStems(W(c.paradigm), stems), c.found);
    EXPECT_EQ(U(stems), c.stems);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExtractStemsCases,
    ::testing::Values(ExtractCase{kRussian, kStol, "@;а;у;@;ом;е;ы;ов;ам;ы;ами;ах", true, "стол"},
                      // the unknown form is neither required nor checked
                      ExtractCase{kRussian, {"кот", "?", "коту"}, "@;ы;у", true, "кот"},
                      // the paradigm has a form the user left empty, and the reverse
                      ExtractCase{kRussian, {"кот", "", "коту"}, "@;а;у", false, "unchanged"},
                      ExtractCase{kRussian, {"кот", "кота", "коту"}, "@;;у", false, "unchanged"},
                      ExtractCase{kRussian, {"пек", "печь"}, "@;4чь", true, "пек"},
                      ExtractCase{kRussian, {"сон", "сна"}, "3о@;а", true, "сн"},
                      ExtractCase{kRussian, {"сон", "сны"}, "3о@;а", false, "unchanged"},
                      // rule 4 cannot have made стол
                      ExtractCase{kRussian, {"стол", "столы"}, "4ч@;ы", false, "unchanged"},
                      ExtractCase{kBelarusian, {"вада", "вадзе"}, "а;е", true, "вад"},
                      ExtractCase{kRussian, {"?", ""}, "@;", false, "unchanged"}));

TEST(CheckReflexiveForms, ReportsTheFirstFormThatIsNotReflexive) {
    TStemSeeker seeker = Seeker(kRussian, {"мыть", "мыл", "мыться", "мылось"});
    int formNo = 0;
    bool alt = true;
    std::string suggestion;
    EXPECT_FALSE(seeker.CheckReflexiveForms(formNo, alt, suggestion));
    EXPECT_EQ(formNo, 4);
    EXPECT_FALSE(alt);
    EXPECT_EQ(U(suggestion), "мылся");

    seeker.SetForm(4, false, W("мылся"));
    EXPECT_TRUE(seeker.CheckReflexiveForms(formNo, alt, suggestion));
    // an unknown reflexive form is not compared
    seeker.SetForm(4, false, "?");
    EXPECT_TRUE(seeker.CheckReflexiveForms(formNo, alt, suggestion));
    // without reflexive forms there is nothing to check
    EXPECT_TRUE(Seeker(kRussian, {"мыть", "мыл", "", ""}).CheckReflexiveForms(formNo, alt, suggestion));
}

TEST(FormsTextCost, CountsLettersCodesAndPenalties) {
    EXPECT_EQ(FormsTextCost("@|;"), 1);
    EXPECT_EQ(FormsTextCost(W("а|;")), 11);
    EXPECT_EQ(FormsTextCost(W("4чь|;")), 22);
    // three rule-3 codes cost three extra letters' worth
    EXPECT_EQ(FormsTextCost(W("3о@|;3о@|;3о@|;")), 10 * (3 + 6) + 3 + 1);
    EXPECT_EQ(FormsTextCost(W("4ч|4ч;4ч|4ч;")), 10 * (4 + 3) + 4 + 1);
}

}  // namespace
