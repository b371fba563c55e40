#include "import/PrepositionCases.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ground/Error.h"
#include "ground/Language.h"
#include "support/TempDir.h"
#include "support/Text.h"

namespace {

using namespace kunimor;
using namespace kunimor::import;

TPrepositionCases Read(const TempDir& dir, const std::string& text) {
    const std::string path = dir.File("prepositions.tsv");
    std::ofstream(path, std::ios::binary) << text;
    return ReadPrepositionCases(path);
}

TEST(PrepositionCases, EachCaseSetsTheBitTheTranslatorReadsItFrom) {
    TempDir dir;
    const TPrepositionCases cases = Read(dir, "# comment\n\nru\tв\tacc loc\nbe\tда\tgen\nru к dat\r\n");
    EXPECT_EQ(PrepositionTag(cases, kRussian, W("в")), 32 | 128);
    EXPECT_EQ(PrepositionTag(cases, kBelarusian, W("да")), 8);
    EXPECT_EQ(PrepositionTag(cases, kRussian, W("к")), 16);
    EXPECT_EQ(PrepositionTag(cases, kRussian, W("да")), 0);  // another language's word
}

TEST(PrepositionCases, ABadLineNamesFileAndLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"uk\tв\tacc\n", "the language is ru or be"},
        {"ru\n", "no preposition"},
        {"ru\tв\n", "no case"},
        {"ru\tв\tabl\n", "unknown case \"abl\""},
        {"ru\tв\tacc\nru\tв\tloc\n", ":2: в listed twice"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        TempDir dir;
        try {
            Read(dir, text);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr(message));
            EXPECT_THAT(e.what(), ::testing::HasSubstr("prepositions.tsv:"));
        }
    }
}

TEST(PrepositionCases, TheRepositoryTableReads) {
    const TPrepositionCases cases = ReadPrepositionCases(KUNIMOR_FIXTURES_DIR "/../../data/prepositions.tsv");
    EXPECT_EQ(PrepositionTag(cases, kRussian, W("о")), 128);
    EXPECT_EQ(PrepositionTag(cases, kBelarusian, W("пра")), 32);
}

}  // namespace
