#include "editing/EntryFieldInput.h"
#include "editing/TailRules.h"

#include "ground/Language.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace kunimor;

namespace {

TEST(EntryFieldInput, KeysTypeTheFieldsLanguageAndLookAlikesBecomeCyrillic) {
    // The щ key types ў in a Belarusian field, a Latin q types й.
    EXPECT_EQ(MapTypedChar(kBelarusian, W("щ")[0]).first, W("ў")[0]);
    EXPECT_TRUE(MapTypedChar(kBelarusian, W("щ")[0]).second);
    EXPECT_EQ(MapTypedChar(kRussian, 'q').first, W("й")[0]);
    EXPECT_EQ(MapTypedChar(kRussian, W("ж")[0]).first, W("ж")[0]);
    std::string text = "cop" + W("т");
    EXPECT_EQ(CheckWordChars(kRussian, text, false, false), std::nullopt);
    EXPECT_EQ(text, W("сорт"));
    text = W("дом2");
    EXPECT_THAT(CheckWordChars(kRussian, text, false, false), ::testing::Optional(::testing::HasSubstr("\"2\"")));
}

TEST(TailRules, AGuessRewritesTheEndingAndACorrectionUnlearnsIt) {
    TTailRules rules;
    rules.Lines = {W("1-ок=_ка_ку_")};
    std::string text = W("замка");
    int kind = 0;
    const TTailGuess guess = rules.Guess(text, kind, [](const std::string&) { return false; });
    EXPECT_EQ(U(text), "замок");
    EXPECT_EQ(kind, 1);
    rules.Learn(guess, text, 2);  // another kind: the typed ending goes
    ASSERT_EQ(rules.Lines.size(), 1u);
    EXPECT_EQ(U(rules.Lines[0]), "1-ок=_ку_");
    TTailGuess again = rules.Guess(text = W("замку"), kind, [](const std::string&) { return false; });
    rules.Learn(again, text, 2);
    EXPECT_TRUE(rules.Lines.empty()) << "the last typed ending takes its line along";
}

}  // namespace
