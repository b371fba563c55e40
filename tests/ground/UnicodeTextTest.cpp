#include "ground/UnicodeText.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace kunimor {
namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

constexpr std::size_t kNone = std::string::npos;

struct ReadCase {
    const char* what;
    std::string input;
    std::string text;           // the Windows-1251 result, in UTF-8
    std::size_t problemOffset;  // kNone when nothing was replaced
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

void ExpectRead(const ReadCase& c, std::string (*read)(std::string_view, std::optional<TReadProblem>*)) {
    std::optional<TReadProblem> problem;
    EXPECT_EQ(U(read(c.input, &problem)), c.text);
    if (c.problemOffset == kNone) {
        EXPECT_FALSE(problem) << problem->what;
    } else {
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->offset, c.problemOffset) << problem->what;
    }
}

class Utf8Reading : public testing::TestWithParam<ReadCase> {};

TEST_P(Utf8Reading, ReplacesWhatItCannotReadAndNotesTheFirstSpot) { ExpectRead(GetParam(), Utf8TextToCp1251); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Reading,
    testing::Values(ReadCase{"plain", "мова ў", "мова ў", kNone},
                    ReadCase{"byte-order mark dropped", "\xEF\xBB\xBFмова", "мова", kNone},
                    ReadCase{"mark inside the text", "a\xEF\xBB\xBF", "a?", 1},
                    ReadCase{"stray continuation bytes", "a\x80\x80z", "a?z", 1},
                    ReadCase{"truncated sequence", "a\xE2\x82", "a?", 1},
                    ReadCase{"lead byte before ASCII", "ab\xD0z\xD0\xB0", "ab?zа", 2},
                    ReadCase{"overlong form", "\xC0\xAF!", "?!", 0},
                    ReadCase{"encoded surrogate", "\xED\xA0\x80", "?", 0},
                    ReadCase{"no Windows-1251 character", "x\xE4\xB8\xAD", "x?", 1},
                    ReadCase{"the first of several", "\xE4\xB8\xAD\xFF", "??", 0}));

class Utf16Reading : public testing::TestWithParam<ReadCase> {};

TEST_P(Utf16Reading, ReplacesWhatItCannotReadAndNotesTheFirstSpot) { ExpectRead(GetParam(), Utf16TextToCp1251); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf16Reading,
    testing::Values(ReadCase{"with the mark", Bytes({0xFF, 0xFE, 0x30, 0x04, 0x31, 0x04}), "аб", kNone},
                    ReadCase{"without the mark", Bytes({0x30, 0x04, 0x31, 0x04}), "аб", kNone},
                    ReadCase{"only the mark", Bytes({0xFF, 0xFE}), "", kNone},
                    ReadCase{"empty", "", "", kNone},
                    ReadCase{"an odd byte at the end", Bytes({0xFF, 0xFE, 0x30, 0x04, 0x31}), "а?", 4},
                    ReadCase{"a single byte", Bytes({0x41}), "?", 0},
                    ReadCase{"zero units are kept", Bytes({0x61, 0x00, 0x00, 0x00, 0x62, 0x00}), std::string("a\0b", 3), kNone},
                    ReadCase{"a surrogate pair", Bytes({0x3D, 0xD8, 0x00, 0xDE, 0x21, 0x00}), "?!", 0},
                    ReadCase{"a lone high surrogate", Bytes({0x21, 0x00, 0x3D, 0xD8, 0x21, 0x00}), "!?!", 2},
                    ReadCase{"a lone low surrogate", Bytes({0x00, 0xDE}), "?", 0},
                    ReadCase{"a big-endian mark is no mark", Bytes({0xFE, 0xFF, 0x00, 0x41}), "??", 0}));

TEST(Utf16Writing, PutsTheMarkFirstAndEveryCharacterLittleEndian) {
    EXPECT_EQ(Cp1251ToUtf16Text(""), Bytes({0xFF, 0xFE}));
    EXPECT_EQ(Cp1251ToUtf16Text(W("ўA€")), Bytes({0xFF, 0xFE, 0x5E, 0x04, 0x41, 0x00, 0xAC, 0x20}));
}

TEST(ReadProblem, OnlyTheFirstIsKept) {
    std::optional<TReadProblem> problem;
    NoteReadProblem(&problem, 7, "first");
    NoteReadProblem(&problem, 2, "second");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->offset, 7U);
    EXPECT_EQ(problem->what, "first");
    NoteReadProblem(nullptr, 1, "nowhere");  // callers that do not ask
}

}  // namespace
}  // namespace kunimor
