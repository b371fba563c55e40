#include <gtest/gtest.h>

#include "app/DocumentNames.h"
#include "app/DocumentText.h"
#include "app/RecentFiles.h"
#include "ground/CodePages.h"

using namespace kunimor;
using namespace kunimor::app;

TEST(DocumentNames, ProposeTheTranslationBesideTheSource) {
    const struct {
        const char* source;
        const char* result;
    } cases[] = {
        {"/t/doc.txt", "doc - перевод.txt"},
        {"/t/README", "README - перевод"},
        {"/t/a.b/c.tar.gz", "c.tar - перевод.gz"},  // before the last dot of the name, not of a folder
        {"/t/.profile", ".profile - перевод"},      // a hidden file has no extension
    };
    for (const auto& c : cases) EXPECT_EQ(ProposedResultName(c.source), c.result) << c.source;

    EXPECT_EQ(ProposedMarkupName("", "/t/doc.txt"), "/t/doc - перевод.rtf");
    EXPECT_EQ(ProposedMarkupName("/u/res.txt", "/t/doc.txt"), "/u/res - перевод.rtf");
    EXPECT_EQ(ProposedMarkupName("", ""), "text - перевод.rtf");
}

TEST(RecentFiles, NewestFirstAtMostTenNoneTwice) {
    TRecentFiles list;
    for (int i = 1; i <= 11; ++i) list.Add("/t/" + std::to_string(i) + ".txt", 0);
    ASSERT_EQ(list.Entries().size(), 10u);
    EXPECT_EQ(list.Entries().front().path, "/t/11.txt");
    EXPECT_EQ(list.Entries().back().path, "/t/2.txt");  // the oldest went

    list.Add("/t/5.txt", kCpKoi8r);  // reopened in another code page
    ASSERT_EQ(list.Entries().size(), 10u);
    EXPECT_EQ(list.Entries().front().path, "/t/5.txt");
    EXPECT_EQ(list.Entries().front().codePage, kCpKoi8r);
    EXPECT_EQ(std::count_if(list.Entries().begin(), list.Entries().end(),
                            [](const TRecentFile& f) { return f.path == "/t/5.txt"; }),
              1);
    list.Add("", 3);
    EXPECT_EQ(list.Entries().front().path, "/t/5.txt");
    list.Add("/t/DOC.txt", 0);
    list.Add("/t/doc.txt", 0);  // names differing in case are two files here
    EXPECT_EQ(list.Entries()[1].path, "/t/DOC.txt");
}

TEST(RecentFiles, SettingsValuesCarryTheCodePage) {
    const TRecentFiles list = TRecentFiles::FromSettings({"/texts/a.txt,5", "/texts/x,9", "/texts/b,c.txt", "/t/y,0"});
    ASSERT_EQ(list.Entries().size(), 4u);
    EXPECT_EQ(list.Entries()[0].path, "/texts/a.txt");
    EXPECT_EQ(list.Entries()[0].codePage, 5);
    EXPECT_EQ(list.Entries()[1].path, "/texts/x,9");  // 9 is no code page
    EXPECT_EQ(list.Entries()[1].codePage, 0);
    EXPECT_EQ(list.Entries()[2].path, "/texts/b,c.txt");
    EXPECT_EQ(list.Entries()[3].path, "/t/y");
    EXPECT_EQ(list.ToSettings(), (std::vector<std::string>{"/texts/a.txt,5", "/texts/x,9,0", "/texts/b,c.txt,0", "/t/y,0"}));
    // What it wrote reads back the same.
    EXPECT_EQ(TRecentFiles::FromSettings(list.ToSettings()).ToSettings(), list.ToSettings());
}

TEST(DocumentText, ReadsEachCodePageIntoThePane) {
    const QString text = QStringLiteral("Ўсё і ўсе\nдругі радок");
    for (int cp : {kCpAnsi, kCpDos866, kCpUtf8, kCpUnicode}) {
        for (bool crlf : {false, true}) {
            const TEncodedText encoded = EncodeDocument(text, cp, false, crlf);
            EXPECT_EQ(encoded.lost, 0) << cp;
            if (cp != kCpUnicode) {
                EXPECT_EQ(encoded.bytes.find("\r\n") != std::string::npos, crlf) << cp;
            }
            const TDecodedText decoded = DecodeDocument(encoded.bytes, cp);
            EXPECT_EQ(decoded.text, text) << cp;
            EXPECT_EQ(decoded.crlf, crlf) << cp;
        }
    }
}

TEST(DocumentText, KeepsWhatWindowsCp1251CannotHoldWhereTheFileCan) {
    const QString text = QStringLiteral("漢字 і €");
    const TEncodedText utf8 = EncodeDocument(text, kCpUtf8, false, false);
    EXPECT_EQ(DecodeDocument(utf8.bytes, kCpUtf8).text, text);
    const TEncodedText ansi = EncodeDocument(text, kCpAnsi, false, false);
    EXPECT_EQ(ansi.lost, 2);  // counted, so that saving can ask first
    EXPECT_EQ(DecodeDocument(ansi.bytes, kCpAnsi).text, QStringLiteral("?? і €"));
}

TEST(DocumentText, AByteOrderMarkTellsTheEncodingOfAnAnsiOpen) {
    EXPECT_EQ(DecodeDocument("\xEF\xBB\xBF\xD1\x9E", kCpAnsi).codePage, kCpUtf8);
    EXPECT_EQ(DecodeDocument("\xEF\xBB\xBF\xD1\x9E", kCpAnsi).text, QStringLiteral("ў"));
    EXPECT_EQ(DecodeDocument(std::string("\xFF\xFE\x5E\x04", 4), kCpAnsi).text, QStringLiteral("ў"));
    EXPECT_EQ(DecodeDocument("a\rb\r\nc", kCpAnsi).text, QStringLiteral("a\nb\nc"));
    // Chosen by the user, the code page stands.
    EXPECT_EQ(DecodeDocument("\xEF\xBB\xBF", kCpKoi8r).codePage, kCpKoi8r);
}
