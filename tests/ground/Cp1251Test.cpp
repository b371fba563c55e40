#include "ground/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace kunimor {
namespace {

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::string back;
        ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(byte), back)) << "byte " << b;
        EXPECT_EQ(back, byte) << "byte " << b;
        EXPECT_EQ(UnicodeToCp1251(Cp1251ToUnicode(static_cast<unsigned char>(b))), b);
    }
}

struct CodePointCase {
    unsigned char byte;
    char32_t codePoint;
};

void PrintTo(const CodePointCase& c, std::ostream* os) {
    *os << "byte " << static_cast<int>(c.byte) << " U+" << std::hex << static_cast<unsigned>(c.codePoint);
}

class Cp1251Letters : public testing::TestWithParam<CodePointCase> {};

TEST_P(Cp1251Letters, MapsToItsCodePoint) {
    EXPECT_EQ(Cp1251ToUnicode(GetParam().byte), GetParam().codePoint);
    EXPECT_EQ(UnicodeToCp1251(GetParam().codePoint), GetParam().byte);
}

// The letters the engine depends on, the ends of the contiguous block, and the
// unassigned 0x98.
INSTANTIATE_TEST_SUITE_P(Table, Cp1251Letters,
                         testing::Values(CodePointCase{'A', U'A'}, CodePointCase{0xC0, U'А'},
                                         CodePointCase{0xFF, U'я'}, CodePointCase{0xA8, U'Ё'},
                                         CodePointCase{0xB8, U'ё'}, CodePointCase{0xB2, U'І'},
                                         CodePointCase{0xB3, U'і'}, CodePointCase{0xA1, U'Ў'},
                                         CodePointCase{0xA2, U'ў'}, CodePointCase{0xB9, U'№'},
                                         CodePointCase{0x88, U'€'}, CodePointCase{0x98, 0x98}));

TEST(Cp1251, UnrepresentableCodePointsHaveNoByte) {
    for (char32_t cp : {U'ä', U'Ғ', U'中', U'\U0001F600', char32_t{0x80}}) {
        EXPECT_EQ(UnicodeToCp1251(cp), -1) << static_cast<unsigned>(cp);
    }
}

TEST(Cp1251, ConvertsMixedText) {
    const std::string cp1251 = "M\xEE\xE2\xE0 \xA2 \xB3";  // "Mова ў і"
    EXPECT_EQ(Cp1251ToUtf8(cp1251), "Mова ў і");
    std::string out;
    ASSERT_TRUE(Utf8ToCp1251("Mова ў і", out));
    EXPECT_EQ(out, cp1251);
}

struct BadUtf8Case {
    const char* name;
    std::string input;
    std::size_t offset;
};

void PrintTo(const BadUtf8Case& c, std::ostream* os) { *os << c.name; }

class Utf8Rejected : public testing::TestWithParam<BadUtf8Case> {};

TEST_P(Utf8Rejected, ReportsOffsetOfFirstBadSequence) {
    std::string out;
    std::size_t offset = 999;
    EXPECT_FALSE(Utf8ToCp1251(GetParam().input, out, &offset));
    EXPECT_EQ(offset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Utf8Rejected,
    testing::Values(BadUtf8Case{"NotInCodePage", "аб\xC3\xA4", 4},
                    BadUtf8Case{"StrayContinuation", "a\x80", 1},
                    BadUtf8Case{"TruncatedAtEnd", "ab\xD0", 2},
                    BadUtf8Case{"LeadWithoutContinuation", "\xD0" "a", 0},
                    BadUtf8Case{"Overlong", "x\xC0\xAF", 1},
                    BadUtf8Case{"Surrogate", "\xED\xA0\x80", 0},
                    BadUtf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", 0},
                    BadUtf8Case{"InvalidLead", "\xFF", 0}),
    [](const testing::TestParamInfo<BadUtf8Case>& info) { return info.param.name; });

TEST(Cp1251, OffsetIsOptional) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1251("\xFF", out));
    EXPECT_TRUE(Utf8ToCp1251("", out));
    EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace kunimor
