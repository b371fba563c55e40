#include "app/RtfReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "app/RtfBuilder.h"
#include "app/Settings.h"

using namespace kunimor::app;

namespace {

std::u16string TextOf(const std::vector<TRtfRun>& runs) {
    std::u16string text;
    for (const TRtfRun& run : runs) text += run.text;
    return text;
}

// The run that holds the text, which must not be cut between runs.
const TRtfRun* RunWith(const std::vector<TRtfRun>& runs, std::u16string_view text) {
    for (const TRtfRun& run : runs)
        if (run.text.find(text) != std::u16string::npos) return &run;
    return nullptr;
}

}  // namespace

TEST(RtfReader, ReadsBackWhatTheProgramWrites) {
    TRtfBuilder builder("Courier New");
    builder.SetFontSize(10);
    builder.SetColor(0x000000);
    builder.AddText("\xE4\xEE\xEC {a\\b} ");  // "дом", braces and a backslash
    builder.SetColor(0xC00000);
    builder.SetStyle(kBold | kUnderline);
    builder.AddText("\xED\xE5\xE2\xB3\xE4\xEE\xEC\xE0\r\n");  // "невідома", a line break
    builder.SetColor(0x0000C0);
    builder.SetStyle(kItalic | kStrikeOut);
    builder.AddText("\xA2");  // "ў"
    const std::vector<TRtfRun> runs = ReadRtf(builder.Document());
    EXPECT_EQ(TextOf(runs), u"дом {a\\b} невідома\nў\n");
    const TRtfRun* plain = RunWith(runs, u"дом {a\\b} ");
    const TRtfRun* unknown = RunWith(runs, u"невідома");
    const TRtfRun* other = RunWith(runs, u"ў");
    ASSERT_TRUE(plain && unknown && other);
    EXPECT_TRUE(plain->hasColor);
    EXPECT_EQ(plain->color, 0x000000u);
    EXPECT_EQ(plain->style, 0);
    EXPECT_EQ(plain->fontSize, 10);
    EXPECT_EQ(unknown->color, 0xC00000u);
    EXPECT_EQ(unknown->style, kBold | kUnderline);
    EXPECT_EQ(other->color, 0x0000C0u);
    EXPECT_EQ(other->style, kItalic | kStrikeOut);
}

TEST(RtfReader, ReadsAWordProcessorsFileAndSkipsWhatIsNoText) {
    std::ifstream in(std::string(KUNIMOR_FIXTURES_DIR) + "/rtf/wordpad.rtf", std::ios::binary);
    const std::string rtf(std::istreambuf_iterator<char>(in), {});
    ASSERT_TRUE(LooksLikeRtf(rtf));
    const std::vector<TRtfRun> runs = ReadRtf(rtf);
    EXPECT_EQ(TextOf(runs),
              u"Plain bold and italic, under gone.\nRed green again\nПривет привет\nbig\ttab — “q”\nlink\n");
    const struct {
        std::u16string_view text;
        uint8_t style;
        bool hasColor;
        uint32_t color;
        int fontSize;
    } looks[] = {
        {u"Plain ", 0, false, 0, 12},      {u"bold", kBold, false, 0, 12},
        {u"italic", kItalic, false, 0, 12}, {u"under", kUnderline, false, 0, 12},
        {u"gone", kStrikeOut, false, 0, 12}, {u"Red ", 0, true, 0xFF0000, 12},
        {u"green", 0, true, 0x008000, 12},  {u" again", 0, false, 0, 12},
        {u"big", 0, false, 0, 18},
    };
    for (const auto& look : looks) {
        const TRtfRun* run = RunWith(runs, look.text);
        ASSERT_TRUE(run) << std::string(look.text.begin(), look.text.end());
        EXPECT_EQ(run->style, look.style);
        EXPECT_EQ(run->hasColor, look.hasColor);
        EXPECT_EQ(run->color, look.color);
        EXPECT_EQ(run->fontSize, look.fontSize);
    }
}

TEST(RtfReader, TellsRtfFromPlainText) {
    EXPECT_TRUE(LooksLikeRtf("\r\n {\\rtf1 x}"));
    EXPECT_FALSE(LooksLikeRtf("Just text {\\rtf1}"));
    EXPECT_FALSE(LooksLikeRtf(""));
    EXPECT_FALSE(LooksLikeRtf("{\\rt"));
}

TEST(RtfReader, MalformedInputGivesWhatCouldBeRead) {
    const struct {
        std::string rtf;
        std::u16string text;
    } cases[] = {
        {"{\\rtf1 abc", u"abc"},                       // never closed
        {"{\\rtf1 a}}}}b", u"ab"},                     // closed too often
        {"{\\rtf1 a\\'", u"a"},                        // cut inside a hex byte
        {"{\\rtf1 a\\'4", u"a\x04"},
        {"{\\rtf1 a\\u", u"a"},                        // cut control word
        {"{\\rtf1 a\\u-4000000000?b}", u"ab"},         // no character that far out
        {"{\\rtf1 a\\bin99999999 {b}}", u"a"},         // binary data beyond the end
        {"{\\rtf1 {\\colortbl;\\red999;}\\cf1 x\\cf7 y}", u"xy"},
        {"{\\rtf1 \\", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(TextOf(ReadRtf(c.rtf)), c.text) << c.rtf;

    // Nesting beyond the limit is skipped, and the text after it is kept.
    const std::string deep = "{\\rtf1 a" + std::string(100000, '{') + "hidden" + std::string(100000, '}') + "b}";
    EXPECT_EQ(TextOf(ReadRtf(deep)), u"ab");
    std::string shallow = "{\\rtf1 a";
    for (int i = 0; i < 50; ++i) shallow += "{\\b ";
    shallow += "kept" + std::string(50, '}') + "}";
    EXPECT_EQ(TextOf(ReadRtf(shallow)), u"akept");

    // Random bytes among RTF's own characters never crash the reader.
    std::mt19937 random(21);
    const std::string alphabet = "{}\\'*uabinrtf0123456789- ;\r\n\xE0";
    for (int round = 0; round < 2000; ++round) {
        std::string rtf = "{\\rtf1 ";
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i) rtf += alphabet[random() % alphabet.size()];
        ReadRtf(rtf);
    }
}
