#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

#include "ScriptedPrompter.h"
#include "app/PaneText.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/TagCodes.h"
#include "editing/BelEditModule.h"
#include "editing/ui/BrowserHooks.h"
#include "editing/ui/ProportionalColumns.h"
#include "editing/ui/WordsBrowser.h"
#include "editing/ui/WordsModel.h"
#include "editing/ui/ProportionalGrid.h"
#include "support/TempDir.h"

using namespace kunimor;
using namespace kunimor::app;

namespace {

void Type(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

TEST(ProportionalColumns, ColumnsShareTheWidthByTheirBases) {
    // A grid 300 wide less its scroll bar (17), indicator (11) and 3D border (4).
    EXPECT_EQ(ProportionalWidths(268, {100}, {100}), std::vector<int>({268}));
    EXPECT_EQ(ProportionalWidths(268, {100, 50}, {100, 50}), std::vector<int>({178, 90}));
    EXPECT_EQ(ProportionalWidths(90, {100, 50}, {60, 30}), std::vector<int>({60, 30}));  // shrinks below the bases
    EXPECT_FALSE(ProportionalWidths(100, {100, 50}, {100, 50}));  // already at least the bases: not shrunk
    EXPECT_FALSE(ProportionalWidths(150, {100, 50}, {100, 50}));
    EXPECT_FALSE(ProportionalWidths(150, {}, {}));
}

class WordsBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", Data());
        ASSERT_TRUE(module.OpenDictionary(Data().string()));
    }
    void TearDown() override { BrowserHooks() = {}; }
    std::filesystem::path Data() const { return dir.Path() / "data"; }
    QString Cell(TfrmBrWords& browser, int column) {
        const QModelIndex at = browser.grdWords->currentIndex();
        return browser.grdWords->model()->index(at.row(), column).data().toString();
    }

    TempDir dir;
    TQuietPrompter quiet;
    TBelEditModule module{quiet};
    TScriptedPrompter prompter;
};

TEST_F(WordsBrowser, SearchOpenAnArticleEditSaveAndFindTheChangeAgain) {
    TfrmBrWords browser(module, prompter, 0);
    browser.show();
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Словарь (Русский язык)"));
    Type(browser.grdWords, QStringLiteral("кн"));  // typing in the grid goes to the search field
    EXPECT_EQ(browser.edtLemma->text(), QStringLiteral("кн"));
    ASSERT_EQ(browser.CurrentNo(), 29);
    EXPECT_EQ(Cell(browser, TWordsModel::colLemma), QStringLiteral("книга"));
    EXPECT_EQ(Cell(browser, TWordsModel::colType), QStringLiteral("сущ. ж.р."));
    EXPECT_EQ(Cell(browser, TWordsModel::colTheme), QStringLiteral("лит."));

    int32_t opened = 0;
    BrowserHooks().OpenArticle = [&](QWidget*, TBelEditModule& m, int lang, int32_t no) {
        opened = no;
        m.LoadWord(lang, no);
        m.SetEntryTag(lang, kNoun, false, static_cast<int16_t>(m.CurWord.Tag & 0xFF), no);  // no theme
    };
    browser.btnEdit->click();
    EXPECT_EQ(opened, 29);
    EXPECT_EQ(browser.CurrentNo(), 29);  // back on the edited word, which shows its new state
    EXPECT_EQ(Cell(browser, TWordsModel::colTheme), QString());
    browser.btnOnlyModif->setChecked(true);
    EXPECT_EQ(browser.stPos->text(), QStringLiteral("Отобрано: 1 записей"));
    ASSERT_TRUE(module.SaveIfModified());

    TBelEditModule reopened{quiet};
    ASSERT_TRUE(reopened.OpenDictionary(Data().string()));
    TfrmBrWords again(reopened, prompter, 0);
    again.edtLemma->setText(QStringLiteral("книга"));
    ASSERT_EQ(again.CurrentNo(), 29);
    EXPECT_EQ(Cell(again, TWordsModel::colTheme), QString());
    EXPECT_EQ(Cell(again, TWordsModel::colLemma), QStringLiteral("книга"));
}

TEST_F(WordsBrowser, DeletionAsksAndTheNextWordBecomesCurrent) {
    TfrmBrWords browser(module, prompter, 0);
    browser.edtLemma->setText(QStringLiteral("книга"));
    ASSERT_EQ(browser.CurrentNo(), 29);
    prompter.answers = {TAnswer::Cancel};
    browser.DeleteWord();
    EXPECT_EQ(browser.CurrentNo(), 29);
    EXPECT_TRUE(module.WordsTable(0).Locate("No", {Value(int32_t{29})}));

    browser.edtLemma->setText(QStringLiteral("который"));
    ASSERT_EQ(browser.CurrentNo(), 21);
    prompter.answers = {TAnswer::Ok, TAnswer::Yes};
    Press(browser.grdWords, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_FALSE(module.WordsTable(0).Locate("No", {Value(int32_t{21})}));
    EXPECT_EQ(browser.CurrentNo(), 35);  // "кто-то" followed it

    ASSERT_FALSE(module.ProtectedRus.empty());
    const int32_t protectedNo = *module.ProtectedRus.begin();
    ASSERT_TRUE(browser.Locate(protectedNo));
    prompter.asked.clear();
    prompter.answers = {TAnswer::Ok};
    browser.DeleteWord();
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_TRUE(prompter.asked[1].text.contains(QStringLiteral("имеет специальное назначение")));
    EXPECT_TRUE(module.WordsTable(0).Locate("No", {Value(protectedNo)}));
    EXPECT_EQ(browser.CurrentNo(), protectedNo);
}

TEST_F(WordsBrowser, TheProperNameMarkTogglesOnNounsOnly) {
    TfrmBrWords browser(module, prompter, 0);
    browser.edtLemma->setText(QStringLiteral("книга"));
    browser.sbAbbrev->click();
    module.LoadWord(0, 29);
    EXPECT_TRUE(module.CurWord.Tag & 8);
    browser.sbAbbrev->click();
    module.LoadWord(0, 29);
    EXPECT_FALSE(module.CurWord.Tag & 8);
    browser.edtLemma->setText(QStringLiteral("читать"));
    const int32_t verb = browser.CurrentNo();
    module.LoadWord(0, verb);
    const int16_t before = module.CurWord.Tag;
    browser.sbAbbrev->click();
    module.LoadWord(0, verb);
    EXPECT_EQ(module.CurWord.Tag, before);
}

TEST_F(WordsBrowser, ANestedBrowserCountsInItsCaption) {
    TfrmBrWords outer(module, prompter, 0);
    TfrmBrWords inner(module, prompter, 0, &outer);
    EXPECT_EQ(inner.windowTitle(), QStringLiteral("Словарь (Русский язык) :2"));
}

}  // namespace
