#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ScriptedPrompter.h"
#include "app/PaneText.h"
#include "dictionary/DictionaryText.h"
#include "editing/BelEditModule.h"
#include "editing/ui/AbbreviationBrowser.h"
#include "editing/ui/AbbreviationEditor.h"
#include "support/TempDir.h"

using namespace kunimor;
using namespace kunimor::app;

namespace {

class AbbreviationEditor : public ::testing::Test {
protected:
    void SetUp() override {
        BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", dir.Path() / "data");
        ASSERT_TRUE(module.OpenDictionary((dir.Path() / "data").string()));
    }
    // Fills a new pair's fields and presses "Готово"; the warning shown, if any.
    QString Done(TfEdAbbr& editor, const QString& bel, const QString& rus) {
        editor.eBel->setText(bel);
        editor.eRus->setText(rus);
        prompter.asked.clear();
        editor.btnDone->click();
        return prompter.asked.empty() ? QString() : prompter.asked.back().text;
    }
    int Pairs() { return module.tblAbbr().RecordCount(); }
    int Articles() { return module.tblGlossary().RecordCount(); }

    TempDir dir;
    TQuietPrompter quiet;
    TBelEditModule module{quiet};
    TScriptedPrompter prompter;
};

TEST_F(AbbreviationEditor, RefusalsKeepTheWindowOpenAndWriteNothing) {
    TfEdAbbr editor(module, prompter, 0, 0, {});
    const int pairs = Pairs(), articles = Articles();
    EXPECT_EQ(Done(editor, QStringLiteral("г."), QStringLiteral("гг.")),
              QStringLiteral("Сокращение не должно быть короче 3 букв!"));
    EXPECT_EQ(Done(editor, QStringLiteral("тыс"), QStringLiteral("тыс")),
              QStringLiteral("По крайней мере одно из сокращений должно содержать\rхотя бы один разделитель из "
                             "списка \" ,-:./\" !"));
    // The pair is in order but its Belarusian title belongs to another article:
    // refused before the pair is stored, not after.
    EXPECT_TRUE(Done(editor, QStringLiteral("кніга"), QStringLiteral("кн.")).contains(QStringLiteral("кніга")));
    EXPECT_TRUE(Done(editor, QStringLiteral("г.зн."), QStringLiteral("т.е.")).contains(QStringLiteral("г.зн.")));
    EXPECT_EQ(Pairs(), pairs);
    EXPECT_EQ(Articles(), articles);
    EXPECT_EQ(editor.result(), 0);
}

TEST_F(AbbreviationEditor, APairIsStoredWithItsExpansionsAndEditedUnderItsNumber) {
    int32_t number = 0;
    {
        TfEdAbbr editor(module, prompter, 0, 0, {});
        editor.mmBelExpansion->setPlainText(QStringLiteral("тысяча"));
        editor.mmRusExpansion->setPlainText(QStringLiteral("  тысяча  "));
        EXPECT_EQ(Done(editor, QStringLiteral("тыс"), QStringLiteral("тыс.")), QString());
        EXPECT_EQ(editor.result(), QDialog::Accepted);
        number = editor.Number();
    }
    EXPECT_GT(number, 0);
    ASSERT_GT(module.FindGlossary(0, ToEngine(QStringLiteral("тыс.")).text), 0);
    EXPECT_EQ(FromCp1251(module.CurGlossary.Text), QStringLiteral("тысяча"));

    TfEdAbbr editor(module, prompter, number, 1, {});
    EXPECT_EQ(editor.eRus->text(), QStringLiteral("тыс."));
    EXPECT_EQ(editor.mmRusExpansion->toPlainText(), QStringLiteral("тысяча"));
    EXPECT_EQ(Done(editor, QStringLiteral("тыс"), QStringLiteral("тыс.  р.")), QString());
    EXPECT_EQ(editor.Number(), number);
    module.LoadAbbr(number);
    EXPECT_EQ(FromCp1251(module.CurAbbr.Rus), QStringLiteral("тыс. р."));
    ASSERT_GT(module.FindGlossary(0, ToEngine(QStringLiteral("тыс. р.")).text), 0);  // the expansion moved along
    EXPECT_EQ(FromCp1251(module.CurGlossary.Text), QStringLiteral("тысяча"));
}

TEST_F(AbbreviationEditor, TheBrowserDeletesOnlyWhenConfirmed) {
    TfBrAbbr browser(module, prompter);
    const int32_t first = browser.CurrentNo();
    ASSERT_NE(first, 0);
    prompter.answers = {TAnswer::Cancel};
    browser.DeleteCurrent();
    EXPECT_EQ(browser.CurrentNo(), first);
    prompter.answers = {TAnswer::Ok};
    browser.DeleteCurrent();
    EXPECT_FALSE(module.tblAbbr().Locate("No", {Value(first)}));
}

}  // namespace
