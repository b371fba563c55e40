#include "ground/SplitWords.h"

#include <gtest/gtest.h>

#include "ground/Language.h"
#include "support/Text.h"

namespace kunimor {
namespace {

struct SplitCase {
    int lang;
    const char* text;
    int maxWords;
    std::vector<const char*> words;
    const char* separators;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.lang << " \"" << c.text << '"'; }

class SplitWordsOf : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitWordsOf, GivesWordsAndGapClasses) {
    const SplitCase& c = GetParam();
    std::string separators = "stale";
    std::vector<std::string> words = {"stale"};
    SplitWords(c.lang, W(c.text), c.maxWords, separators, words);
    std::vector<std::string> utf8Words;
    for (const std::string& word : words) utf8Words.push_back(U(word));
    EXPECT_EQ(utf8Words, std::vector<std::string>(c.words.begin(), c.words.end()));
    EXPECT_EQ(U(separators), c.separators);
}

INSTANTIATE_TEST_SUITE_P(
    SplitWords, SplitWordsOf,
    testing::Values(
        SplitCase{kBelarusian, "хто-небудзь, калі", 5, {"хто", "небудзь", "калі"}, "-,"},
        // A leading gap records nothing; a trailing one records one more.
        SplitCase{kBelarusian, "«вось» і ўсё.", 5, {"вось", "і", "усё"}, "   "},
        SplitCase{kBelarusian, "'сям'я' — п'е", 5, {"сям'я", "п'е"}, "_"},
        SplitCase{kRussian, "д'артаньян", 5, {"д", "артаньян"}, " "},
        SplitCase{kRussian, "ёлка: ёж / ель", 5, {"елка", "еж", "ель"}, ":/"},
        SplitCase{kRussian, "а,, б", 5, {"а", "б"}, " "},
        // Capitals are not word characters.
        SplitCase{kRussian, "Дом", 5, {"ом"}, ""},
        SplitCase{kRussian, "а б в г д е ж", 5, {"а", "б", "в", "г", "д"}, "    "},
        SplitCase{kRussian, "а б в", 0, {}, ""}, SplitCase{kRussian, "", 5, {}, ""},
        SplitCase{kRussian, " ,.", 5, {}, ""}));

TEST(SplitWords, HasSeveralWords) {
    EXPECT_TRUE(HasSeveralWords(kBelarusian, W("хто-небудзь")));
    EXPECT_TRUE(HasSeveralWords(kRussian, W("раз два три")));
    EXPECT_FALSE(HasSeveralWords(kRussian, W("слово.")));
    EXPECT_FALSE(HasSeveralWords(kRussian, W("сл'")));
    EXPECT_TRUE(HasSeveralWords(kRussian, W("сл'ово")));
    EXPECT_FALSE(HasSeveralWords(kBelarusian, W("сл'ова")));
    EXPECT_FALSE(HasSeveralWords(kRussian, ""));
}

}  // namespace
}  // namespace kunimor
