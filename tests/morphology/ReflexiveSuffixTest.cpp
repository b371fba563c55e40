#include "morphology/ReflexiveSuffix.h"

#include <gtest/gtest.h>

#include "support/Text.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

struct ReflexiveCase {
    int lang;
    int formNo;
    const char* text;
    const char* expected;
};

void PrintTo(const ReflexiveCase& c, std::ostream* os) {
    *os << (c.lang == kRussian ? "rus " : "bel ") << c.formNo << " " << c.text;
}

class Reflexive : public testing::TestWithParam<ReflexiveCase> {};

TEST_P(Reflexive, AddsTheSuffix) {
    const ReflexiveCase& c = GetParam();
    EXPECT_EQ(U(ReflexiveSuffix(c.lang, c.formNo, W(c.text))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Russian, Reflexive,
    testing::Values(ReflexiveCase{kRussian, 16, "", ""}, ReflexiveCase{kRussian, 16, "@", "ся"},
                    ReflexiveCase{kRussian, 16, "8@", "ся"},
                    ReflexiveCase{kRussian, 16, "ть", "ться"},
                    ReflexiveCase{kRussian, 24, "ла", "лась"},
                    ReflexiveCase{kRussian, 19, "ю", "юсь"},
                    ReflexiveCase{kRussian, 28, "в", "вшись"},
                    ReflexiveCase{kRussian, 28, "я", "ясь"},
                    ReflexiveCase{kRussian, 17, "2а", "2ась"},
                    ReflexiveCase{kRussian, 17, "12а", "12ася"},
                    ReflexiveCase{kRussian, 28, "12а", "12ашись"}));

INSTANTIATE_TEST_SUITE_P(
    Belarusian, Reflexive,
    testing::Values(ReflexiveCase{kBelarusian, 16, "@", "ся"},
                    ReflexiveCase{kBelarusian, 16, "ць", "цца"},
                    ReflexiveCase{kBelarusian, 16, "іць", "іцца"},
                    ReflexiveCase{kBelarusian, 16, "ў", "ўся"},
                    ReflexiveCase{kBelarusian, 21, "е", "ецца"},
                    ReflexiveCase{kBelarusian, 21, "сць", "сца"},
                    ReflexiveCase{kBelarusian, 21, "іць", "іцца"},
                    ReflexiveCase{kBelarusian, 21, "ць", "цца"},
                    ReflexiveCase{kBelarusian, 21, "л", "лся"},
                    ReflexiveCase{kBelarusian, 29, "ць", "цься"},
                    ReflexiveCase{kBelarusian, 29, "шь", "шься"},
                    ReflexiveCase{kBelarusian, 29, "у", "уся"}));

}  // namespace
}  // namespace kunimor
