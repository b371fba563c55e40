#include <gtest/gtest.h>

#include "app/ProgramMessages.h"
#include "app/UnknownWords.h"
#include "support/Text.h"

using namespace kunimor::app;

TEST(UnknownWords, OneEntryPerWordWithoutRegardToCase) {
    TUnknownWords words;
    words.Add(W("Слово"));
    words.Add(W("слово"));
    ASSERT_EQ(words.Entries().size(), 1u);
    EXPECT_EQ(U(words.Entries()[0].first), "Слово");
    EXPECT_EQ(words.Entries()[0].second, 2);
    EXPECT_TRUE(words.Remove(W("СЛОВО")));
    EXPECT_TRUE(words.Empty());
    EXPECT_FALSE(words.Remove(W("слово")));
}

TEST(UnknownWords, ByCountKeepsAlphabeticalOrderAmongEqualCounts) {
    TUnknownWords words;
    for (const char* w : {"б", "в", "а", "в", "а"}) words.Add(W(w));
    std::vector<std::string> alphabetical, byCount;
    for (const auto& [word, count] : words.Entries()) alphabetical.push_back(U(word) + std::to_string(count));
    for (const auto& [word, count] : words.ByCount()) byCount.push_back(U(word) + std::to_string(count));
    EXPECT_EQ(alphabetical, (std::vector<std::string>{"а2", "б1", "в2"}));
    EXPECT_EQ(byCount, (std::vector<std::string>{"а2", "в2", "б1"}));
}

TEST(ProgramMessages, KeepsTheNewestLinesWithinTheLimit) {
    TProgramMessages messages;
    for (int i = 0; i < 249; ++i) messages.Add("line " + std::to_string(i));
    messages.Add("one\r\ntwo\nthree");
    EXPECT_EQ(messages.Lines().size(), 252u);
    EXPECT_EQ(messages.Lines().back(), "three");
    messages.Add("next");
    ASSERT_EQ(messages.Lines().size(), 250u);
    EXPECT_EQ(messages.Lines().front(), "line 3");
    EXPECT_EQ(messages.Lines().back(), "next");
}
