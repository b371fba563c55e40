#include "ground/Cp1251Literal.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor {
namespace {

TEST(Cp1251Literal, EncodesLikeTheRuntimeConversion) {
    EXPECT_EQ("Ўжо ёсць і 'ў' №1"_cp1251, W("Ўжо ёсць і 'ў' №1"));
    EXPECT_EQ(""_cp1251, "");
    EXPECT_EQ(U'ў'_cp1251, W("ў")[0]);
    EXPECT_EQ(U'q'_cp1251, 'q');
}

}  // namespace
}  // namespace kunimor
