#include "ground/Alphabet.h"

#include <gtest/gtest.h>

#include "support/Text.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

int MemberCount(const CharSet& set) {
    int count = 0;
    for (int code = 0; code < 256; ++code) count += set.Contains(static_cast<char>(code));
    return count;
}

bool HasAll(const CharSet& set, std::string_view utf8) {
    for (char c : W(utf8)) {
        if (!set.Contains(c)) return false;
    }
    return true;
}

bool HasNone(const CharSet& set, std::string_view utf8) {
    for (char c : W(utf8)) {
        if (set.Contains(c)) return false;
    }
    return true;
}

TEST(Alphabet, RussianLetters) {
    const LanguageLetters& rus = LettersOf(kRussian);
    EXPECT_EQ(MemberCount(rus.letters), 66);
    EXPECT_EQ(MemberCount(rus.upper), 33);
    EXPECT_EQ(MemberCount(rus.lower), 33);
    EXPECT_TRUE(HasAll(rus.lower, "аёжийщъья"));
    EXPECT_TRUE(HasAll(rus.upper, "АЁЖИЙЩЪЬЯ"));
    EXPECT_TRUE(HasNone(rus.letters, "іІўЎ'a"));
    EXPECT_TRUE(HasNone(rus.lower, "АЁЯ"));
}

TEST(Alphabet, BelarusianLettersHaveApostropheInBothCases) {
    const LanguageLetters& bel = LettersOf(kBelarusian);
    EXPECT_EQ(MemberCount(bel.letters), 65);
    EXPECT_EQ(MemberCount(bel.upper), 33);
    EXPECT_EQ(MemberCount(bel.lower), 33);
    EXPECT_TRUE(HasAll(bel.lower, "'аёіўя"));
    EXPECT_TRUE(HasAll(bel.upper, "'АЁІЎЯ"));
    EXPECT_TRUE(HasNone(bel.letters, "ИиЩщЪъ"));
}

TEST(Alphabet, SoundClasses) {
    EXPECT_TRUE(HasAll(kBelVowels, "аеёіоуыэюя"));
    EXPECT_TRUE(HasNone(kBelVowels, "иўй'"));
    EXPECT_TRUE(HasAll(kAllVowels, "иі"));
    EXPECT_TRUE(HasAll(kAllConsonants, "йьъщў'"));
    EXPECT_TRUE(HasNone(kAllConsonants, "аиі"));
    EXPECT_TRUE(HasAll(kBelConsonants, "йьў'"));
    EXPECT_TRUE(HasNone(kBelConsonants, "щъ"));
    EXPECT_EQ(MemberCount(kBelVowels) + MemberCount(kBelConsonants), 33);
}

class CurrentAlphabet : public testing::Test {
protected:
    ~CurrentAlphabet() override { SetAlphabet(kRussian); }
};

TEST_F(CurrentAlphabet, FollowsTheSourceLanguage) {
    SetAlphabet(kBelarusian);
    EXPECT_EQ(SrcLetters(), LettersOf(kBelarusian).letters);
    EXPECT_EQ(SrcUpper(), LettersOf(kBelarusian).upper);
    EXPECT_EQ(SrcLower(), LettersOf(kBelarusian).lower);
    EXPECT_EQ(TrgLetters(), LettersOf(kRussian).letters);
    EXPECT_EQ(TrgUpper(), LettersOf(kRussian).upper);
    EXPECT_EQ(TrgLower(), LettersOf(kRussian).lower);
    EXPECT_TRUE(SrcLetters().Contains('\''));
    EXPECT_FALSE(DelimiterChars().Contains('\''));

    SetAlphabet(kRussian);
    EXPECT_EQ(SrcLetters(), LettersOf(kRussian).letters);
    EXPECT_EQ(TrgLetters(), LettersOf(kBelarusian).letters);
    EXPECT_FALSE(SrcLetters().Contains('\''));
    EXPECT_TRUE(DelimiterChars().Contains('\''));
}

TEST_F(CurrentAlphabet, DelimitersArePunctuationNotDigitsOrLetters) {
    const CharSet& delimiters = DelimiterChars();
    for (char c : std::string_view(" \t\r\n.,;:!?-()[]{}\"/\\~\x82\x84\x85\x91\x94\x96\x97\xA0\xAB\xAD\xBB")) {
        EXPECT_TRUE(delimiters.Contains(c)) << static_cast<int>(static_cast<unsigned char>(c));
    }
    for (char c : std::string_view("09azAZ\x7F\x98\xB9") ) {
        EXPECT_FALSE(delimiters.Contains(c)) << static_cast<int>(static_cast<unsigned char>(c));
    }
    EXPECT_TRUE(HasNone(delimiters, "аяЁіў"));
}

}  // namespace
}  // namespace kunimor
