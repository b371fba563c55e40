#include "morphology/Junction.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor {
namespace {

struct JunctionCase {
    const char* stem;
    const char* ending;
    bool vToU;
    const char* expected;
};

void PrintTo(const JunctionCase& c, std::ostream* os) {
    *os << c.stem << "+" << c.ending << (c.vToU ? " vToU" : "");
}

class BelarusianJunction : public testing::TestWithParam<JunctionCase> {};

TEST_P(BelarusianJunction, FitsFinalLetterToEnding) {
    const JunctionCase& c = GetParam();
    std::string stem = W(c.stem);
    const bool changed = ApplyJunction(stem, W(c.ending), c.vToU);
    EXPECT_EQ(U(stem), c.expected);
    EXPECT_EQ(changed, std::string_view(c.stem) != c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Seams, BelarusianJunction,
    testing::Values(
        JunctionCase{"рук", "е", false, "рук"},      // к has no junction
        JunctionCase{"вад", "е", false, "вадз"},     // д softens before е
        JunctionCase{"вад", "а", false, "вад"},
        JunctionCase{"кот", "і", false, "коц"},
        JunctionCase{"наг", "е", false, "наг"},      // г keeps before і and е
        JunctionCase{"наг", "і", false, "наг"},
        JunctionCase{"наг", "я", false, "наз"},
        JunctionCase{"мух", "ю", false, "мус"},
        JunctionCase{"вад", "", false, "вад"},
        JunctionCase{"лав", "ка", false, "лаў"},     // в after a vowel before a consonant
        JunctionCase{"лав", "", false, "лаў"},       // ... and at the word's end
        JunctionCase{"лав", "а", false, "лав"},
        JunctionCase{"дзв", "е", false, "дзв"},      // в after a consonant stays
        JunctionCase{"дзв", "", false, "дзв"},
        JunctionCase{"в", "ы", false, "в"},
        JunctionCase{"в", "", false, "в"},           // a lone в has no vowel before it
        JunctionCase{"в", "с", false, "ў"},
        JunctionCase{"лаў", "ак", true, "лав"},
        JunctionCase{"лаў", "ак", false, "лаў"},
        JunctionCase{"лаў", "ка", true, "лаў"},
        JunctionCase{"", "а", true, ""}));

}  // namespace
}  // namespace kunimor
