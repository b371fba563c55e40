#include "ground/OrthoAnalyzer.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/Text.h"

namespace kunimor {
namespace {

std::vector<std::string> InUtf8(const std::vector<std::string>& cp1251) {
    std::vector<std::string> out;
    for (const std::string& s : cp1251) out.push_back(U(s));
    return out;
}

// An analyser without frequency lists, for the rules alone.
struct RulesOnly {
    TFreqLists lists;
    TOrthoAnalyzer analyzer{lists};

    explicit RulesOnly(int lang, bool explain = true) {
        analyzer.UseFreqCheck = false;
        analyzer.SetSpellLanguage(lang, explain);
    }
};

struct WordCase {
    const char* note;
    char prevChar;  // ASCII or 0; Cyrillic context is given as prevUtf8
    const char* prevUtf8;
    const char* word;
    int verdict;
    std::vector<std::string> suggestions;
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.note << ": " << c.word; }

class BelarusianWords : public testing::TestWithParam<WordCase> {};

TEST_P(BelarusianWords, GetTheirVerdictAndFinalSuggestions) {
    const WordCase& c = GetParam();
    const char prev = c.prevUtf8 ? W(c.prevUtf8).front() : c.prevChar;
    RulesOnly explain(1, true);
    EXPECT_EQ(explain.analyzer.CheckWord(prev, W(c.word)), c.verdict);
    EXPECT_EQ(InUtf8(explain.analyzer.SpellSuggestions), c.suggestions);
    if (c.verdict != kSpellCorrect && c.verdict != kSpellNotAWord) {
        EXPECT_FALSE(explain.analyzer.SpellExplanation.empty());
    }
    RulesOnly quick(1, false);
    EXPECT_EQ(quick.analyzer.CheckWord(prev, W(c.word)), c.verdict) << "outside explain mode";
    EXPECT_TRUE(quick.analyzer.SpellSuggestions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Acceptance, BelarusianWords,
    testing::Values(
        WordCase{"ў after a vowel of the word before", 0, "а", "ўсход", kSpellCorrect, {}},
        WordCase{"ў after a consonant", 0, "м", "ўсход", kSpellError, {"усход"}},
        WordCase{"the first letter of a text is not judged", 0, nullptr, "ўсход", kSpellCorrect, {}},
        WordCase{"ў closing a syllable", 0, nullptr, "сказаў", kSpellCorrect, {}},
        WordCase{"в at the end, then Rule 2 on the suggestion", 0, nullptr, "сказав", kSpellError, {"сказаў"}},
        WordCase{"шч", 0, nullptr, "шчасце", kSpellCorrect, {}},
        WordCase{"щ is not Belarusian", 0, nullptr, "щасце", kSpellError, {"шчасце"}},
        WordCase{"apostrophe between consonant and iotated vowel", 0, nullptr, "сям'я", kSpellCorrect, {}},
        WordCase{"apostrophe after a vowel", 0, nullptr, "на'я", kSpellError, {}},
        WordCase{"hard т before э", 0, nullptr, "тэма", kSpellCorrect, {}},
        WordCase{"т before е", 0, nullptr, "тема", kSpellError, {"тэма", "цема"}},
        WordCase{"three unstressed о", 0, nullptr, "молоко", kSpellWarning,
                 {"малака", "малако", "малока", "молака"}},
        WordCase{"Latin i in a capitalised word", 0, nullptr, "Мiнск", kSpellError, {"Мінск"}},
        WordCase{"digits only", 0, nullptr, "123", kSpellNotAWord, {}},
        WordCase{"й after a consonant", 0, nullptr, "пйеса", kSpellError, {}},
        WordCase{"Russian reflexive ending", 0, nullptr, "вучытся", kSpellWarning, {"вучыцца"}},
        WordCase{"ке offers цы and кэ", 0, nullptr, "руке", kSpellWarning, {"рукэ", "руцы"}}));

TEST(OrthoAnalyzer, CountsErrorsAndWarningsButNotNonWords) {
    RulesOnly r(1);
    r.analyzer.CheckWord(0, W("тема"));
    r.analyzer.CheckWord(0, W("молоко"));
    r.analyzer.CheckWord(0, "123");
    r.analyzer.CheckWord(0, W("хата"));
    EXPECT_EQ(r.analyzer.SpellErrors, 1);
    EXPECT_EQ(r.analyzer.SpellWarnings, 1);
}

TEST(OrthoAnalyzer, WithoutHeuristicsOnlyTheAlphabetIsChecked) {
    RulesOnly r(1);
    r.analyzer.EuristicAnalyze = false;
    EXPECT_EQ(r.analyzer.CheckWord(0, W("тема")), kSpellCorrect);
    EXPECT_EQ(r.analyzer.CheckWord(0, W("молоко")), kSpellCorrect);
    EXPECT_EQ(r.analyzer.CheckWord(0, W("щасце")), kSpellError);
}

TEST(OrthoAnalyzer, ExplainsInTheAnalysersOwnWords) {
    RulesOnly r(1);
    r.analyzer.CheckWord(0, W("тема"));
    EXPECT_EQ(U(r.analyzer.SpellExplanation),
              "Сочетание \"те\" нарушает правило написания согласного \"т\" перед гласными \"і, е, ё, ю, я\" и "
              "мягким знаком\r");
    r.analyzer.CheckWord(0, W("щасце"));
    EXPECT_EQ(U(r.analyzer.SpellExplanation),
              "Символ \"щ\" не входит в алфавит языка\rСочетание букв \"щ\" почти никогда не используется.\r");
}

TEST(OrthoAnalyzer, RussianGetsOnlyTheAlphabetAndShortIRules) {
    RulesOnly r(0);
    EXPECT_EQ(r.analyzer.CheckWord(0, W("тема")), kSpellCorrect);
    EXPECT_EQ(r.analyzer.CheckWord(0, W("щука")), kSpellCorrect);
    EXPECT_EQ(r.analyzer.CheckWord(0, W("сказаў")), kSpellError);
    EXPECT_EQ(r.analyzer.CheckWord(0, W("пйеса")), kSpellError);
}

TEST(OrthoAnalyzer, AKnownWordIsNeverAnErrorAndKnownSuggestionsComeFirst) {
    RulesOnly r(1);
    r.analyzer.KnowsWord = [](std::string_view w) {
        const std::string word = U(std::string(w));
        return word == "тест" || word == "малако";
    };
    EXPECT_EQ(r.analyzer.CheckWord(0, W("тест")), kSpellCorrect) << "Rule 7 would flag те";
    EXPECT_EQ(r.analyzer.CheckWord(0, W("молоко")), kSpellWarning);
    EXPECT_EQ(InUtf8(r.analyzer.SpellSuggestions), (std::vector<std::string>{"малако", "малака", "малока", "молака"}));
    EXPECT_EQ(U(r.analyzer.Correction()), "малако");
    r.analyzer.DictionaryHelps = false;
    EXPECT_EQ(r.analyzer.CheckWord(0, W("тест")), kSpellError);
    r.analyzer.CheckWord(0, W("молоко"));
    EXPECT_EQ(U(r.analyzer.Correction()), "молака") << "the last of the sorted list";
}

TEST(OrthoAnalyzer, AKnownWordStillNeedsTheUThePrecedingWordAsks) {
    RulesOnly r(1);
    r.analyzer.KnowsWord = [](std::string_view w) { return U(std::string(w)) == "ўсход"; };
    EXPECT_EQ(r.analyzer.CheckWord(W("м").front(), W("ўсход")), kSpellError);
    EXPECT_EQ(r.analyzer.CheckWord(W("а").front(), W("ўсход")), kSpellCorrect);
}

struct Stretch {
    int verdict, from, to;
    bool operator==(const Stretch&) const = default;
};

TEST(OrthoAnalyzer, CheckTextMarksCorrectsAndReportsProgress) {
    RulesOnly r(1);
    r.analyzer.SpellText = W("на ўсход, дом ўсход 'тема'");
    std::string corrected;
    std::vector<Stretch> marks;
    std::vector<int> progress;
    r.analyzer.CheckText([&](const std::string& piece) { corrected += piece; },
                         [&](int v, int from, int to) { marks.push_back({v, from, to}); },
                         [&](int pos, int total) {
                             progress.push_back(pos);
                             EXPECT_EQ(total, static_cast<int>(r.analyzer.SpellText.size()));
                         });
    EXPECT_EQ(U(corrected), "на ўсход, дом усход 'цема'");
    const std::vector<Stretch> words{{0, 0, 2}, {0, 3, 8}, {0, 10, 13}, {2, 14, 19}, {2, 21, 25}};
    std::vector<Stretch> wordMarks;
    for (const Stretch& s : marks)
        if (s.verdict != kSpellNotAWord) wordMarks.push_back(s);
    EXPECT_EQ(wordMarks, words);
    EXPECT_EQ(marks.back(), (Stretch{kSpellNotAWord, 25, 26})) << "the closing apostrophe goes to the gap";
    EXPECT_EQ(progress, (std::vector<int>{0, 3, 10, 14, 21}));
    EXPECT_EQ(r.analyzer.SpellErrors, 2);
}

TEST(OrthoAnalyzer, AbortStopsBeforeTheNextWord) {
    RulesOnly r(1, false);
    r.analyzer.SpellText = W("тема тема тема");
    int words = 0;
    r.analyzer.CheckText({}, {}, [&](int, int) {
        ++words;
        r.analyzer.SpellAbort = true;
    });
    EXPECT_EQ(words, 1);
    EXPECT_EQ(r.analyzer.SpellErrors, 1);
}

}  // namespace
}  // namespace kunimor
