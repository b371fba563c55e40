#include "app/RtfBuilder.h"

#include <gtest/gtest.h>

#include "app/Settings.h"

using kunimor::app::TRtfBuilder;

namespace {

// The body of the document, after its two tables.
std::string Body(const TRtfBuilder& builder) {
    const std::string doc = builder.Document();
    const std::size_t start = doc.find("}\r\n", doc.find("{\\colortbl")) + 3;
    return doc.substr(start);
}

}  // namespace

TEST(RtfBuilder, EscapesTextByteForByte) {
    const struct {
        std::string text, escaped;
    } cases[] = {{"a{b}c\\d", "a\\{b\\}c\\\\d"},
                 {"a\r\nb", "a\\par\r\nb"},
                 {"a\nb\tc", "a\\'0Ab\\'09c"},
                 {"\xFF", "\\'FF"}};
    for (const auto& c : cases) EXPECT_EQ(TRtfBuilder::EscapeText(c.text), c.escaped) << c.text;
}

TEST(RtfBuilder, WritesControlWordsOnlyOnChange) {
    TRtfBuilder builder("Courier New");
    builder.SetFontSize(10);
    for (const char* text : {"one", "two"}) {
        builder.SetColor(0xFF0000);
        builder.SetStyle(kunimor::app::kBold);
        builder.AddText(text);
    }
    builder.SetColor(0x00FF00);
    builder.SetColor(0x0000FF);
    builder.SetStyle(0);
    builder.AddText("x");
    builder.SetColor(0xFF0000);
    builder.AddText("y");
    EXPECT_EQ(Body(builder), "\\viewkind4\\uc1\\pard\\f0\\fs20\\cf1\\b onetwo\\cf2\\cf3\\b0 x\\cf1 y\\par\r\n}");
    const std::string doc = builder.Document();
    EXPECT_TRUE(doc.starts_with("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 "
                                "Courier New;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;"
                                "\\red0\\green0\\blue255;}\r\n"))
        << doc;
}
