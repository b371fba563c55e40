#include "ground/NormalizeWord.h"

#include <gtest/gtest.h>

#include "ground/Language.h"
#include "support/Text.h"

namespace kunimor {
namespace {

struct NormalizeCase {
    int lang;
    const char* word;
    const char* expected;
};

void PrintTo(const NormalizeCase& c, std::ostream* os) { *os << c.lang << " \"" << c.word << '"'; }

class NormalizeWordOf : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeWordOf, RewritesAndReportsChange) {
    const NormalizeCase& c = GetParam();
    const std::string original = W(c.word);
    std::string word = original;
    const bool changed = NormalizeWord(c.lang, word);
    EXPECT_EQ(U(word), c.expected);
    EXPECT_EQ(changed, word != original);
}

INSTANTIATE_TEST_SUITE_P(
    NormalizeWord, NormalizeWordOf,
    testing::Values(NormalizeCase{kBelarusian, "ўсё", "усё"}, NormalizeCase{kBelarusian, "на ўсход", "на ўсход"},
                    NormalizeCase{kBelarusian, "кот у хаце", "кот у хаце"},
                    NormalizeCase{kBelarusian, "яна узяла", "яна ўзяла"},
                    NormalizeCase{kBelarusian, "кот ўзяў", "кот узяў"},
                    NormalizeCase{kBelarusian, "ва\r\nусім", "ва\r\nўсім"},
                    NormalizeCase{kBelarusian, "Ўсё і Усё", "Ўсё і Усё"},
                    NormalizeCase{kBelarusian, "ёу", "ёў"}, NormalizeCase{kBelarusian, "ву", "ву"},
                    NormalizeCase{kRussian, "ёлка", "елка"}, NormalizeCase{kRussian, "Ёлка ёж", "Ёлка еж"},
                    NormalizeCase{kRussian, "ўсё", "ўсе"}, NormalizeCase{kRussian, "дом", "дом"}));

}  // namespace
}  // namespace kunimor
