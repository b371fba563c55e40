#include "ground/Wildcard.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor {
namespace {

struct WildcardCase {
    const char* text;
    const char* pattern;
    bool matches;
};

void PrintTo(const WildcardCase& c, std::ostream* os) { *os << '"' << c.text << "\" ~ \"" << c.pattern << '"'; }

class Wildcard : public testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcard, MatchesWholeText) {
    EXPECT_EQ(MatchesWildcard(W(GetParam().text), W(GetParam().pattern)), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    MatchesWildcard, Wildcard,
    testing::Values(WildcardCase{"абв", "а*", true}, WildcardCase{"абв", "а?", false},
                    WildcardCase{"", "*", true}, WildcardCase{"", "", true}, WildcardCase{"а", "", false},
                    WildcardCase{"", "?", false}, WildcardCase{"", "**", true},
                    WildcardCase{"абв", "???", true}, WildcardCase{"абв", "абв", true},
                    WildcardCase{"абв", "абг", false}, WildcardCase{"Абв", "абв", false},
                    WildcardCase{"ав", "а*в", true}, WildcardCase{"а", "а*а", false},
                    WildcardCase{"аа", "а*а", true}, WildcardCase{"abcabd", "*abd", true},
                    WildcardCase{"abcabd", "a*c?b?", true}, WildcardCase{"abcbd", "a*b*d", true},
                    WildcardCase{"ab", "a**b", true}, WildcardCase{"abc", "*b*", true},
                    WildcardCase{"ac", "*b*", false}, WildcardCase{"mississippi", "m*iss*ppi", true},
                    WildcardCase{"mississippi", "m*iss*pi?", false}, WildcardCase{"mississippi", "*s*s*s*s*", true},
                    WildcardCase{"mississippi", "*s*s*s*s*s*", false}, WildcardCase{"xy", "x*y*", true},
                    WildcardCase{"axbxc", "a*?c", true}, WildcardCase{"ac", "a*?c", false},
                    WildcardCase{"a*b", "a*b", true}, WildcardCase{"aXYb", "a*b", true}));

}  // namespace
}  // namespace kunimor
