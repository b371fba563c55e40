#include "import/SourceText.h"

#include "ground/Language.h"
#include "support/Text.h"

#include <gtest/gtest.h>

using namespace kunimor;
using namespace kunimor::import;

TEST(SourceText, RepairsTheDataIntoDictionaryText) {
    struct Case {
        int lang;
        const char* utf8;
        const char* expected;  // nullptr: dropped
        const char* counted;
    };
    const Case cases[] = {
        {kRussian, "Ёлка", "елка", nullptr},
        {kBelarusian, "ёлка", "ёлка", nullptr},
        {kBelarusian, "еканнi", "еканні", "Latin letters in a Belarusian word"},
        {kRussian, "тeмнота", "темнота", "Latin letters in a Russian word"},
        {kRussian, "рака²", "рака", "homonym or stress mark removed"},
        {kRussian, "горо\u0301д", "город", "homonym or stress mark removed"},
        {kBelarusian, "сям\u2019я", "сям'я", nullptr},
        {kRussian, "ұлы", nullptr, "character outside Windows-1251"},
        {kRussian, "pH", "ph", nullptr},  // no Cyrillic: Latin stays Latin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        TImportReport report;
        const auto text = DictionaryText(c.lang, c.utf8, report);
        if (c.expected) {
            ASSERT_TRUE(text);
            EXPECT_EQ(U(*text), c.expected);
        } else {
            EXPECT_FALSE(text);
        }
        if (c.counted) {
            EXPECT_EQ(report.Get(c.expected ? "repaired" : "dropped", c.counted), 1);
        }
    }
}
