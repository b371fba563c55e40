#include "import/FrequencyLists.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor::import {
namespace {

TEST(FrequencyLists, EverySeenTrigramStaysAllowedWhereItWasSeenAndNowhereElse) {
    TTrigramSet seen;
    for (const char* word : {"хата", "хатка", "атака", "катах"}) AddWordTrigrams(seen, W(word));
    TFreqLists lists;
    lists.Current() = SplitByPlace(seen);
    for (const char* word : {"хата", "хатка", "атака", "катах"})
        EXPECT_EQ(lists.CheckTrigrams(W(word)).Place, TTrigramPlace::None) << word;
    EXPECT_EQ(lists.CheckTrigrams(W("тках")).Place, TTrigramPlace::Start) << "тка was seen at the end only";
    EXPECT_EQ(lists.CheckTrigrams(W("атх")).Place, TTrigramPlace::Start);
    EXPECT_TRUE(lists.Current().TrigramsAny.Contains(W("ата")) || lists.Current().TrigramsNonFinal.Contains(W("ата")));
    EXPECT_FALSE(lists.Current().TrigramsAny.Empty()) << "ата is at the start, in the middle and at the end";
}

}  // namespace
}  // namespace kunimor::import
