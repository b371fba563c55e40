#include "ground/CodePages.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "ground/Error.h"
#include "support/Baltic.h"
#include "support/Text.h"
#include "ground/Cp1251.h"
#include "ground/Utf8.h"

namespace kunimor {
namespace {

using Byte = unsigned char;

struct SpecialByte {
    char32_t letter;  // as Windows-1251 text
    Byte byte;        // in the code page
};

// A table code page as its published chart, reduced to the letters that are
// converted: each row shows what 16 bytes of the code page read as in
// Windows-1251 text, "." where a byte keeps its value. Conversions that run
// only one way are listed apart.
struct ByteTableCase {
    const char* name;
    int index;
    std::array<const char*, 8> rows;  // bytes 0x80 to 0xFF
    std::vector<SpecialByte> fromAnsiOnly;
    std::vector<SpecialByte> toAnsiBelow80;
};

void PrintTo(const ByteTableCase& c, std::ostream* os) { *os << c.name; }

// Decodes the rows into the letter of each byte 0x80..0xFF, 0 for ".".
std::array<char32_t, 128> RowLetters(const std::array<const char*, 8>& rows) {
    std::array<char32_t, 128> letters{};
    std::size_t i = 0;
    for (const std::string_view row : rows) {
        std::size_t count = 0;
        for (std::size_t pos = 0; pos < row.size(); ++count) {
            const char32_t c = DecodeUtf8(row, pos).value();
            if (i < letters.size()) letters[i++] = c == U'.' ? 0 : c;
        }
        EXPECT_EQ(count, 16U) << "row " << row;
    }
    return letters;
}

Byte AnsiOf(char32_t letter) { return static_cast<Byte>(UnicodeToCp1251(letter)); }

class CodePageByteTable : public testing::TestWithParam<ByteTableCase> {};

TEST_P(CodePageByteTable, EveryByteGoesToWindows1251AsTheChartShows) {
    const ByteTableCase& c = GetParam();
    const std::array<char32_t, 128> letters = RowLetters(c.rows);
    std::map<Byte, Byte> expected;
    for (unsigned b = 0; b < 256; ++b) expected[b] = b;
    for (unsigned i = 0; i < 128; ++i) {
        if (letters[i]) expected[0x80 + i] = AnsiOf(letters[i]);
    }
    for (const SpecialByte& s : c.toAnsiBelow80) expected[s.byte] = AnsiOf(s.letter);
    for (const auto& [byte, ansi] : expected) {
        EXPECT_EQ(static_cast<Byte>(RecodeChar(TRecodeDirection::ToAnsi, c.index, static_cast<char>(byte))), ansi)
            << "byte 0x" << std::hex << unsigned{byte};
    }
}

TEST_P(CodePageByteTable, EveryWindows1251ByteGoesOutAsTheChartShows) {
    const ByteTableCase& c = GetParam();
    const std::array<char32_t, 128> letters = RowLetters(c.rows);
    std::map<Byte, Byte> expected;
    for (unsigned b = 0; b < 256; ++b) expected[b] = b;
    for (unsigned i = 0; i < 128; ++i) {
        if (letters[i]) expected[AnsiOf(letters[i])] = static_cast<Byte>(0x80 + i);
    }
    for (const SpecialByte& s : c.fromAnsiOnly) expected[AnsiOf(s.letter)] = s.byte;
    for (const auto& [ansi, byte] : expected) {
        EXPECT_EQ(static_cast<Byte>(RecodeChar(TRecodeDirection::FromAnsi, c.index, static_cast<char>(ansi))), byte)
            << "Windows-1251 byte 0x" << std::hex << unsigned{ansi};
    }
}

INSTANTIATE_TEST_SUITE_P(
    TableCodePages, CodePageByteTable,
    testing::Values(
        ByteTableCase{"Dos866",
                      kCpDos866,
                      {"АБВГДЕЖЗИЙКЛМНОП", "РСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмноп", "................",
                       "................", "................", "рстуфхцчшщъыьэюя", "ЁёЄєЇїЎў........"},
                      {{U'І', 'I'}, {U'і', 'i'}},
                      {{U'І', 'I'}, {U'і', 'i'}}},
        ByteTableCase{"Koi8r",
                      kCpKoi8r,
                      {"................", "................", "...ё..і.........", "...Ё..І.........",
                       "юабцдефгхийклмно", "пярстужвьызшэщчъ", "ЮАБЦДЕФГХИЙКЛМНО", "ПЯРСТУЖВЬЫЗШЭЩЧЪ"},
                      {},
                      {}},
        ByteTableCase{"Mac",
                      kCpMac,
                      {"АБВГДЕЖЗИЙКЛМНОП", "РСТУФХЦЧШЩЪЫЬЭЮЯ", ".......І......Ґґ", "....і...ЄєЇї....",
                       ".......«».......", "........Ўў..№Ёёя", "абвгдежзийклмноп", "рстуфхцчшщъыьэю."},
                      {},
                      {}},
        ByteTableCase{"Iso",
                      kCpIso,
                      {"................", "................", ".Ё..............", "АБВГДЕЖЗИЙКЛМНОП",
                       "РСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмноп", "рстуфхцчшщъыьэюя", ".ё.............."},
                      {},
                      {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecodeChar, OnlyTableCodePagesHaveTables) {
    for (const int index : {kCpAnsi, kCpLatinka, kCpUtf8, kCpUnicode, 8, -1}) {
        EXPECT_THROW(RecodeChar(TRecodeDirection::ToAnsi, index, 'a'), Error) << index;
    }
}

TEST(ConvertText, TableCodePagesConvertEveryByte) {
    EXPECT_EQ(ConvertText(false, kCpDos866, "\xF7", false), W("ў"));
    EXPECT_EQ(ConvertText(true, kCpDos866, W("ў"), false), "\xF7");
    EXPECT_EQ(ConvertText(true, kCpDos866, W("Ііі"), false), "Iii");
    EXPECT_EQ(U(ConvertText(false, kCpDos866, "Iii", false)), "Ііі");
    // DOS 866 text has no "i" of its own, so English words change too.
    EXPECT_EQ(U(ConvertText(false, kCpDos866, "Hi", false)), "Hі");
    EXPECT_EQ(U(ConvertText(false, kCpKoi8r, "\xA6\xB6", false)), "іІ");
    EXPECT_EQ(ConvertText(true, kCpKoi8r, W("ў"), false), "\xA2");
    EXPECT_EQ(ConvertText(true, kCpMac, W("«мова»"), false), "\xC7\xEC\xEE\xE2\xE0\xC8");
    EXPECT_EQ(U(ConvertText(false, kCpMac, ConvertText(true, kCpMac, W("«кнігу» №1"), false), false)), "«кнігу» №1");
    EXPECT_EQ(ConvertText(true, kCpMac, W("Ўў"), false), "\xD8\xD9");
    EXPECT_EQ(U(ConvertText(false, kCpIso, ConvertText(true, kCpIso, W("і"), false), false)), "Г");
}

TEST(ConvertText, RussianAndBelarusianLettersSurviveEveryCodePageThatHasThem) {
    const std::string russian = W("Съешь же ещё этих мягких французских булок, да выпей чаю. ЁЖ");
    const std::string belarusian = W("Ў ў І і");
    for (int index = 0; index < kCodePageCount; ++index) {
        if (index == kCpLatinka) continue;  // the Latin script is for Belarusian only
        EXPECT_EQ(U(ConvertText(false, index, ConvertText(true, index, russian, false), false)), U(russian))
            << CodePageNames[index];
        if (index == kCpAnsi || index == kCpDos866 || index == kCpMac || index == kCpUtf8 || index == kCpUnicode) {
            EXPECT_EQ(U(ConvertText(false, index, ConvertText(true, index, belarusian, false), false)),
                      U(belarusian))
                << CodePageNames[index];
        }
    }
}

TEST(ConvertText, UnicodeIsLittleEndianUtf16WithAByteOrderMark) {
    EXPECT_EQ(ConvertText(true, kCpUnicode, W("аб"), false), "\xFF\xFE\x30\x04\x31\x04");
    EXPECT_EQ(U(ConvertText(false, kCpUnicode, "\xFF\xFE\x30\x04\x31\x04", false)), "аб");
    EXPECT_EQ(U(ConvertText(false, kCpUnicode, "\x30\x04\x31\x04", false)), "аб");
    EXPECT_EQ(ConvertText(true, kCpUtf8, W("аб"), false), "аб");
}

TEST(ConvertText, EveryWindows1251ByteSurvivesUtf8AndUtf16) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const int index : {kCpUtf8, kCpUnicode}) {
        std::optional<TReadProblem> problem;
        EXPECT_EQ(ConvertText(false, index, ConvertText(true, index, all, false), false, &problem), all)
            << CodePageNames[index];
        EXPECT_FALSE(problem) << CodePageNames[index];
    }
}

TEST(ConvertText, ReportsWhatItCouldNotReadOnlyWhenAsked) {
    std::optional<TReadProblem> problem;
    EXPECT_EQ(U(ConvertText(false, kCpUtf8, "ok \xC3(", false, &problem)), "ok ?(");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->offset, 3U);
    EXPECT_EQ(ConvertText(false, kCpUtf8, "ok \xC3(", false), "ok ?(");
}

TEST(ConvertText, LatinScriptUsesNumericReferencesOnlyWhenAsked) {
    const std::string cyrillic = W("кадоўка");
    EXPECT_EQ(FromBaltic(ConvertText(true, kCpLatinka, cyrillic, false)), "kadoŭka");
    EXPECT_EQ(ConvertText(true, kCpLatinka, cyrillic, true), "kado&#365;ka");
    EXPECT_EQ(U(ConvertText(false, kCpLatinka, "kado&#365;ka", true)), "кадоўка");
    EXPECT_EQ(U(ConvertText(false, kCpLatinka, Baltic("kadoŭka"), true)), "кадоўка");
    // Without them a reference is ordinary text.
    EXPECT_EQ(U(ConvertText(false, kCpLatinka, "kado&#365;ka", false)), "кадо&#365;ка");
}

TEST(ConvertText, AnsiIsLeftAsItIsAndUnknownIndicesFail) {
    const std::string text = W("мова\r\n") + "\x98";
    EXPECT_EQ(ConvertText(true, kCpAnsi, text, true), text);
    EXPECT_EQ(ConvertText(false, kCpAnsi, text, true), text);
    EXPECT_THROW(ConvertText(true, kCodePageCount, text, false), Error);
    EXPECT_THROW(ConvertText(false, -1, text, false), Error);
}

}  // namespace
}  // namespace kunimor
