#include "app/SpellingCommands.h"

#include <QAction>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "ScriptedPrompter.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TextViewFormat.h"
#include "dictionary/DictionaryText.h"
#include "support/TempDir.h"

using namespace kunimor;
using namespace kunimor::app;

namespace {

class SpellingCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = TSettings();
        BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", data.Path() / "data");
        TStartOptions options;
        options.DataFolder = data.Path() / "data";
        options.SettingsFolder = settings.Path();
        window = std::make_unique<TfrmKunimor>(options, prompter);
        ASSERT_TRUE(window->Start());
        Settings.TextViews[2].Color = 0xC00000;  // errors and warnings stand out from normal text
        Settings.TextViews[3].Color = 0x0000C0;
        window->ApplyViewSettings();
        window->show();
        window->SelectDirection(1);
        window->Spelling()->Analyzer.UseFreqCheck = false;  // the test dictionary has no letter statistics
        window->Editor->setPlainText(QStringLiteral("дом сказав, щасце"));
        window->Editor->setFocus();
        window->ActiveEditor = window->Editor;
    }

    uint32_t ColorAt(int position) const {
        QTextCursor cursor(window->Editor->document());
        cursor.setPosition(position + 1);  // the format of the character before
        return ColorOfFormat(cursor.charFormat());
    }

    TempDir data, settings;
    TScriptedPrompter prompter;
    std::unique_ptr<TfrmKunimor> window;
};

TEST_F(SpellingCommandsTest, F7ColoursByVerdictF11FindsTheNextErrorAltF7CorrectsAsOneUndoStep) {
    window->Editor->document()->setModified(false);
    window->Spelling()->actOrfoAnalyze->trigger();
    EXPECT_EQ(ColorAt(0), Settings.TextViews[0].Color) << "дом";
    EXPECT_EQ(ColorAt(4), Settings.TextViews[2].Color) << "сказав";
    EXPECT_EQ(ColorAt(12), Settings.TextViews[2].Color) << "щасце";
    EXPECT_EQ(window->StatusPanels[4]->text(), QStringLiteral("Слов с ошибками: 2, с предупреждениями: 0"));
    EXPECT_FALSE(window->Editor->document()->isModified()) << "colouring is no change";
    EXPECT_FALSE(window->Busy);

    QTextCursor caret = window->Editor->textCursor();
    caret.setPosition(0);
    window->Editor->setTextCursor(caret);
    window->Spelling()->actSearchNextError->trigger();
    EXPECT_EQ(window->Editor->textCursor().position(), 4);
    window->Spelling()->actSearchNextError->trigger();
    EXPECT_EQ(window->Editor->textCursor().position(), 12);

    prompter.answers.push_back(TAnswer::Yes);
    window->Spelling()->actOrfoCorrection->trigger();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked.back().caption, QStringLiteral("Confirm"));
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("дом сказаў, шчасце"));
    EXPECT_TRUE(window->Editor->document()->isModified()) << "a corrected text is not saved";
    EXPECT_TRUE(window->Spelling()->Analyzer.UseFreqCheck == false) << "restored to what it was";
    window->Editor->undo();
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("дом сказав, щасце"));

    prompter.answers.push_back(TAnswer::No);
    window->Spelling()->actOrfoCorrection->trigger();
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("дом сказав, щасце")) << "only Yes corrects";
}

}  // namespace
