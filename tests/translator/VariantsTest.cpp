#include "translator/Variants.h"

#include "ground/Direction.h"
#include "translator/PositionTable.h"
#include "translator/TranslatorFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace kunimor;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class Variants : public TranslatorFixture {
protected:
    // "dictionary form: item, item" per group, UTF-8.
    std::vector<std::string> Groups() const {
        std::vector<std::string> groups;
        for (const TVariantGroup& g : VariantGroups) {
            std::string line = U(g.Text) + ":";
            for (const TVariantItem& item : g.Items) line += " " + U(item.Text);
            groups.push_back(line);
        }
        return groups;
    }
};

TEST_F(Variants, OneGroupPerDictionaryFormWithDistinctTranslations) {
    EXPECT_TRUE(BuildVariants(m, kRussian, W("ДВУХ")));
    EXPECT_THAT(Groups(), ElementsAre("два: двух два", "две: дзвюх дзве"));
    EXPECT_EQ(VariantGroups[0].ReadingNo, 22);
    // the three readings of дома share one group
    EXPECT_TRUE(BuildVariants(m, kRussian, W("дома")));
    EXPECT_THAT(Groups(), ElementsAre("дом: дома хаты дамы"));
    EXPECT_EQ(VariantGroups[0].Items[0].WordNo, 30);
}

TEST_F(Variants, TheDirectionIsSwitchedForTheLookupOnly) {
    EXPECT_TRUE(BuildVariants(m, kBelarusian, W("кнігі")));
    EXPECT_THAT(Groups(), ElementsAre("кніга: книги"));
    EXPECT_EQ(SourceLang, kRussian);
    EXPECT_EQ(m.SrcWords, &m.WordsTable(kRussian));
}

TEST_F(Variants, NoWordOrAnUnknownWordHasNoGroups) {
    EXPECT_TRUE(BuildVariants(m, kRussian, W("книги")));
    EXPECT_FALSE(BuildVariants(m, kRussian, ""));
    EXPECT_THAT(VariantGroups, IsEmpty());
    EXPECT_FALSE(BuildVariants(m, kRussian, W("кот")));
    EXPECT_THAT(VariantGroups, IsEmpty());
}

TEST_F(Variants, AtAnOutputPositionTheWordOutputThereIsRead) {
    ClearPositions();
    AddPosition(0, 4, W("Книги"));
    EXPECT_TRUE(BuildVariantsAt(m, 0, 4));
    EXPECT_THAT(Groups(), ElementsAre("книга: кнігі"));
    EXPECT_FALSE(BuildVariantsAt(m, 0, 5));
    EXPECT_THAT(VariantGroups, IsEmpty());
    ClearPositions();
}

}  // namespace
