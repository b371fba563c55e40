#include <gtest/gtest.h>

#include <QPushButton>

#include "ScriptedPrompter.h"
#include "dictionary/DictionaryText.h"
#include "editing/BelEditModule.h"
#include "editing/CollocSelection.h"
#include "editing/ui/CollocBrowser.h"
#include "editing/ui/ProportionalGrid.h"
#include "support/TempDir.h"

using namespace kunimor;
using namespace kunimor::app;

namespace {

TEST(CollocFilterExpression, KindAndModifiedJoinWithAnd) {
    EXPECT_EQ(CollocFilterExpression(3, true), "(Kind = '3') AND (Modif =  True)");
    EXPECT_EQ(CollocFilterExpression(0, false), "(Kind = '0')");
    EXPECT_EQ(CollocFilterExpression(-1, true), "(Modif =  True)");
    EXPECT_EQ(CollocFilterExpression(-1, false), "");
}

class CollocBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", dir.Path() / "data");
        ASSERT_TRUE(module.OpenDictionary((dir.Path() / "data").string()));
    }
    QString Cell(TfrmBrColloc& browser, int column) {
        return browser.grdColloc->model()->index(browser.grdColloc->currentIndex().row(), column).data().toString();
    }
    bool HasLink() { return module.tblTrans().Locate("RusNo;BelNo", {Value(int32_t{5000001}), Value(int32_t{5000001})}); }

    TempDir dir;
    TQuietPrompter quiet;
    TBelEditModule module{quiet};
    TScriptedPrompter prompter;
};

TEST_F(CollocBrowser, ListsTheWordsAndFiltersByKindAndChanges) {
    TfrmBrColloc browser(module, prompter, 0);
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Словосочетания (Русский язык)"));
    ASSERT_EQ(browser.CurrentNo(), 5000001);
    EXPECT_EQ(Cell(browser, 0), QStringLiteral("сущ."));
    EXPECT_EQ(Cell(browser, 2), QStringLiteral("дом"));
    EXPECT_EQ(Cell(browser, 4), QStringLiteral("книга"));
    EXPECT_EQ(browser.grdColloc->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Слово 1"));
    browser.btnFilter->setChecked(true);
    EXPECT_EQ(browser.CurrentNo(), 5000001);
    browser.btnOnlyModif->setChecked(true);
    EXPECT_EQ(browser.grdColloc->model()->rowCount(), 0);
    EXPECT_FALSE(module.CollocTable(0).Filtered());  // the editing operations see the whole table
}

TEST_F(CollocBrowser, DeletingAsksAndTakesTheLinksAndTheFirstWordFlagAlong) {
    TfrmBrColloc browser(module, prompter, 0);
    prompter.answers = {TAnswer::Cancel};
    browser.DeleteCurrent();
    EXPECT_EQ(browser.CurrentNo(), 5000001);
    EXPECT_TRUE(HasLink());

    prompter.answers = {TAnswer::Ok};
    browser.DeleteCurrent();
    EXPECT_EQ(browser.CurrentNo(), 0);
    EXPECT_FALSE(module.CollocTable(0).Locate("No", {Value(int32_t{5000001})}));
    EXPECT_FALSE(HasLink());
    module.LoadWord(0, 28);
    EXPECT_EQ(module.CurWord.Tag & 1, 0);
}

}  // namespace
