#include "app/LanguageFile.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace kunimor::app;

namespace {

std::string File(std::string_view body, std::string_view options = "", std::string_view lineEnd = "\r\n") {
    std::string text = std::string(kLanguageSignature) + std::string(lineEnd);
    if (!options.empty()) text += std::string(options) + std::string(lineEnd);
    std::string_view rest = body;
    while (!rest.empty()) {
        const std::size_t nl = rest.find('\n');
        text += std::string(rest.substr(0, nl)) + std::string(lineEnd);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    }
    return text;
}

}  // namespace

TEST(LanguageFile, ReadsFormsAndMessagesWithAnyLineEnd) {
    const std::string body =
        "ignored=before any section\n"
        "[TfrmKunimor]\n"
        "; a comment\n"
        "\n"
        "actOpen.Caption{1}=Адкрыць...\n"
        "actOpen.Hint=Адкрыць файл\\з дыска\n"
        "(!)actNew.Caption=untranslated\n"
        "(x)actOld.Caption=obsolete\n"
        "[RESOURCESTRINGS]\n"
        "10_SNotFound=Файл не знойдзены\\Шукайце\n"
        "x_Bad=left out\n"
        "20_SLoad=Загрузка";
    for (std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
        for (bool mark : {false, true}) {
            const std::string bytes = (mark ? "\xEF\xBB\xBF" : "") + File(body, "Humanize=1", lineEnd);
            const TLanguageFile file = ReadLanguageFile(bytes);
            ASSERT_TRUE(file.complete) << lineEnd.size();
            const TResForm* form = file.Form("TfrmKunimor");
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->paths, (std::vector<std::string>{"actOpen.Caption", "actOpen.Hint"}));
            EXPECT_EQ(form->values, (std::vector<std::string>{"Адкрыць...", "Адкрыць файл\rз дыска"}));
            ASSERT_TRUE(file.resourceStrings && file.resourceSectionComplete);
            ASSERT_EQ(file.resourceStrings->size(), 2u);
            EXPECT_EQ(*FindResourceString(*file.resourceStrings, 10), "Файл не знойдзены\r\nШукайце");
            EXPECT_EQ(*FindResourceString(*file.resourceStrings, 20), "Загрузка");
            EXPECT_EQ(FindResourceString(*file.resourceStrings, 15), nullptr);
            EXPECT_EQ(file.errors.size(), 3u) << "untranslated, obsolete, bad id";
        }
    }
}

TEST(LanguageFile, HumanizedMarkersAndQuotedValues) {
    const struct {
        const char* options;
        const char* value;
        const char* form;     // as a form value
        const char* message;  // as a message
    } cases[] = {
        // Without a Humanize line values are quoted.
        {"", "'two'#13#10'lines'", "two\r\nlines", "two\r\nlines"},
        {"", "'one' 'two'", "one\rtwo", "one\rtwo"},
        {"", "'it''s'+'x'", "it's\rx", "it's\rx"},
        {"", "plain text", "", ""},
        {"Humanize=0", "'q'#1074", "qв", "qв"},
        {"Humanize=1", "a\\b", "a\rb", "a\r\nb"},
        {"Humanize=1\nHumanizeDivider=|", "a|b\\c", "a\rb\nc", "a\r\nb\nc"},  // the LF marker stays a backslash
        {"Humanize=1\nHumanizedCR=<r>\nHumanizedCRLF=<n>\nHumanizedLF=<l>", "a<r>b<n>c<l>d", "a\rb\r\nc\nd",
         "a\rb\r\nc\nd"},
    };
    for (const auto& c : cases) {
        const TLanguageFile file = ReadLanguageFile(
            File(std::string("[F]\nx.Caption=") + c.value + "\n[RESOURCESTRINGS]\n1_S=" + c.value, c.options));
        ASSERT_TRUE(file.complete) << c.value;
        EXPECT_EQ(file.Form("F")->values.at(0), c.form) << c.value;
        EXPECT_EQ(file.resourceStrings->at(0).text, c.message) << c.value;
    }
}

TEST(LanguageFile, ReadsAValueOfManyLinesWithoutRunningTheStackOut) {
    std::string value = "'a'";
    for (int i = 0; i < 300000; ++i) value += " 'a'";
    const TLanguageFile file = ReadLanguageFile(File("[F]\nx.Caption=" + value));
    ASSERT_TRUE(file.complete);
    const std::string& read = file.Form("F")->values.at(0);
    EXPECT_EQ(std::count(read.begin(), read.end(), '\r'), 300000);
    EXPECT_EQ(read.size(), 600001u);
}

TEST(LanguageFile, StopsAtWhatCannotBeRead) {
    const struct {
        std::string bytes;
        std::size_t forms, values;
    } cases[] = {
        {"", 0, 0},
        {"; Another File.\r\n[F]\r\nx=1", 0, 0},
        {File("[F]\nx.Caption='one'\ny.Caption='unterminated\nz.Caption='z'"), 1, 1},
        {File("[F]\nx.Caption=#x1\ny.Caption='y'"), 1, 0},
        {File("[F]\nx.Caption='x'\n={1}='empty path'"), 1, 1},
        {File("[F]\nx.Caption='x'\n[(x)G]\n[H]"), 1, 1},
    };
    for (const auto& c : cases) {
        const TLanguageFile file = ReadLanguageFile(c.bytes);
        EXPECT_FALSE(file.complete) << c.bytes;
        EXPECT_FALSE(file.errors.empty()) << c.bytes;
        ASSERT_EQ(file.forms.size(), c.forms) << c.bytes;
        if (c.forms) {
            EXPECT_EQ(file.forms[0].values.size(), c.values) << c.bytes;
        }
    }
    // A line that is not UTF-8 is skipped, the rest read.
    const TLanguageFile file = ReadLanguageFile(File("[F]\nx.Caption='\xFF'\ny.Caption='y'"));
    EXPECT_TRUE(file.complete);
    EXPECT_EQ(file.Form("F")->paths, std::vector<std::string>{"y.Caption"});
}

TEST(LanguageFile, MessagesOutOfOrderAreNotAllFound) {
    const TLanguageFile file = ReadLanguageFile(File("[RESOURCESTRINGS]\n5_A='a'\n1_B='b'\n9_C='c'", "", "\n"));
    ASSERT_TRUE(file.resourceStrings);
    int found = 0;
    for (int id : {1, 5, 9}) found += FindResourceString(*file.resourceStrings, id) != nullptr;
    EXPECT_LT(found, 3);
    EXPECT_NE(FindResourceString(*file.resourceStrings, 9), nullptr);
}
