#include "translator/InitialLetterRules.h"

#include "support/Text.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kunimor;

namespace {

struct LetterCase {
    const char* before;  // the text output before the word
    const char* word;
    const char* result;
};

TEST(InitialLetterRules, TheWordStartFitsTheSoundBefore) {
    const std::vector<LetterCase> cases = {
        {"яна ", "узяла", "ўзяла"},
        {"ён ", "узяў", "узяў"},
        {"мама, ", "узяла", "узяла"},       // only blanks are looked past
        {"на ", "ільготы", "льготы"},
        {"па ", "льготы", "льготы"},
        {"без ", "льготы", "ільготы"},
        {"без ", "ільготы", "ільготы"},
        {"дом ", "зноў", "ізноў"},
        {"яна ", "ізноў", "зноў"},
        {"у ", "грунт", "грунт"},           // only грул- takes an і
        {"-", "рж", "рж"},                   // two letters are too short
    };
    for (const LetterCase& c : cases) {
        SCOPED_TRACE(c.before + std::string("|") + c.word);
        VowelEnd = false;
        UpdateVowelEnd(W(c.before));
        std::string text = W(c.word);
        ApplyInitialLetterRules(TWordForm{}, text);
        EXPECT_EQ(U(text), c.result);
    }
}

TEST(InitialLetterRules, AbbreviationsAndProperNamesKeepTheirLetters) {
    TWordForm abbr, proper;
    abbr.IsAbbrWord = true;
    proper.IsProper = true;
    VowelEnd = true;
    std::string text = W("ульяна");
    ApplyInitialLetterRules(abbr, text);
    EXPECT_EQ(U(text), "ульяна");
    ApplyInitialLetterRules(proper, text);
    EXPECT_EQ(U(text), "ўльяна");  // у after a vowel still
    text = W("ільготы");
    ApplyInitialLetterRules(proper, text);
    EXPECT_EQ(U(text), "ільготы");
}

TEST(InitialLetterRules, BlanksAndAFinalHyphenLeaveTheFlag) {
    const std::vector<std::pair<const char*, bool>> cases = {
        {"", true}, {"  \r\n", true}, {"мама", true}, {"дом", false}, {"мама-", true}, {"мама - ", false},
        {"мама.", false},
    };
    for (const auto& [text, flag] : cases) {
        SCOPED_TRACE(text);
        VowelEnd = true;
        UpdateVowelEnd(W(text));
        EXPECT_EQ(VowelEnd, flag);
    }
}

}  // namespace
