#include "ground/LanguageCode.h"

#include <gtest/gtest.h>

#include "store/FieldName.h"

namespace kunimor {
namespace {

TEST(LanguageCode, OtherLangIsAlwaysAValidCode) {
    EXPECT_EQ(OtherLang(kRussian), kBelarusian);
    EXPECT_EQ(OtherLang(kBelarusian), kRussian);
    EXPECT_EQ(OtherLang(7), kBelarusian);  // an unknown code counts as Russian
}

TEST(LanguageCode, FieldNames) {
    EXPECT_EQ(LangFieldPrefix(kRussian), "rus");
    EXPECT_EQ(LangFieldPrefix(kBelarusian), "bel");
    EXPECT_TRUE(SameFieldName(LinkFieldName(kRussian), "RusNo"));
    EXPECT_TRUE(SameFieldName(LinkFieldName(kBelarusian), "BelNo"));
}

}  // namespace
}  // namespace kunimor
