#include "editing/AbbreviationCheck.h"

#include "support/Text.h"

#include <gtest/gtest.h>

using namespace kunimor;

namespace {

// One field checked with a fresh no-delimiter flag.
struct FieldCase {
    int lang;
    const char* text;
    const char* corrected;
    const char* message;  // nullptr: passes
};

TEST(AbbreviationCheck, EachFieldKeepsTheLimitsAbbreviationRecognitionNeeds) {
    const FieldCase cases[] = {
        {0, "г.", "г.", "Сокращение не должно быть короче 3 букв!"},  // two characters
        {0, "гг.", "гг.", nullptr},
        {1, "г.зн.", "г.зн.", nullptr},
        {0, "сентябр.", "сентябр.", "Первое слово \"сентябр\" в сокращении не должно быть длиннее 6 букв"},
        {0, "  т.  е.  ", "т. е.", nullptr},  // double blanks reduced, trimmed
        {0, ".т.е", ".т.е", "Сокращение должно начинаться с буквы!"},
        {0, "c.x.", "с.х.", nullptr},  // Latin look-alikes become Cyrillic first
        {0, "т.е.2", "т.е.2", "В строке \"т.е.2\" обнаружен\rсимвол \"2\", не входящий в алфавит языка!"},
        {0, "ў.д.", "ў.д.", "В строке \"ў.д.\" обнаружен\rсимвол \"ў\", не входящий в алфавит языка!"},
        {0, "", "", "Сокращение должно начинаться с буквы!"},
    };
    for (const FieldCase& c : cases) {
        std::string text = W(c.text);
        bool noDelimiter = false;
        const auto message = CheckAbbreviationField(c.lang, text, noDelimiter);
        EXPECT_EQ(U(text), c.corrected) << c.text;
        if (c.message)
            EXPECT_EQ(U(message.value_or("passed")), c.message) << c.text;
        else
            EXPECT_FALSE(message) << c.text << ": " << U(*message);
    }
}

TEST(AbbreviationCheck, OneOfThePairMustHoldADelimiter) {
    bool noDelimiter = false;
    std::string bel = W("тыс"), rus = W("тыс");
    EXPECT_FALSE(CheckAbbreviationField(1, bel, noDelimiter));
    EXPECT_TRUE(noDelimiter);
    EXPECT_EQ(U(CheckAbbreviationField(0, rus, noDelimiter).value_or("passed")),
              "По крайней мере одно из сокращений должно содержать\rхотя бы один разделитель из списка \" ,-:./\" !");

    noDelimiter = false;
    std::string withDelimiter = W("тыс.");
    EXPECT_FALSE(CheckAbbreviationField(1, bel, noDelimiter));
    EXPECT_FALSE(CheckAbbreviationField(0, withDelimiter, noDelimiter));
}

}  // namespace
