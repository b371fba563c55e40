#include "app/Localizer.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

using namespace kunimor::app;

namespace {

// A window with the kinds of texts the program's windows have.
struct TWindow {
    QDialog dialog;
    QLabel* label = new QLabel(QStringLiteral("Шрифт:"), &dialog);
    QAction* action = new QAction(QStringLiteral("Открыть..."), &dialog);
    QMenu* menu = new QMenu(QStringLiteral("Файл"), &dialog);
    QComboBox* list = new QComboBox(&dialog);
    TWindow() {
        label->setObjectName(QStringLiteral("lblFont"));
        action->setObjectName(QStringLiteral("actOpen"));
        menu->setObjectName(QStringLiteral("FileMenu"));
        list->setObjectName(QStringLiteral("rgCoding"));
        list->addItems({"1", "2", "3", "4", "5"});
    }
};

class LocalizerTest : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& body) {
        std::ofstream(dir.Path() / name, std::ios::binary)
            << std::string(kLanguageSignature) << "\r\nHumanize=1\r\n" << body;
    }
    TempDir dir;
    TLocalizer localizer;
};

}  // namespace

TEST_F(LocalizerTest, SwitchingLanguagesOverwritesOnlyWhatTheNewFileNames) {
    Write("by.lng",
          "[QDialog]\r\nwindowTitle=Налады\r\nlblFont.Caption=Шрыфт:\r\nactOpen.Caption=Адкрыць...\r\n"
          "actOpen.Hint=Адкрыць файл\r\nFileMenu.Caption=Файл\r\nrgCoding.Items=адзін\\два\r\n"
          "[RESOURCESTRINGS]\r\n1_S=Увага\\радок\r\n");
    Write("ru.LNG", "[QDialog]\r\nactOpen.Caption=Открыть...\r\nnowhere.Caption=x\r\n");
    localizer.LanguageDir = dir.Path();
    std::vector<std::string> changes;
    localizer.AfterLanguageChange = [&](const std::string& name) { changes.push_back(name); };
    TWindow window;

    ASSERT_TRUE(localizer.LoadLanguage("by"));
    localizer.TranslateComponent(window.dialog);
    EXPECT_EQ(window.dialog.windowTitle(), QStringLiteral("Налады"));
    EXPECT_EQ(window.label->text(), QStringLiteral("Шрыфт:"));
    EXPECT_EQ(window.action->text(), QStringLiteral("Адкрыць..."));
    EXPECT_EQ(window.action->toolTip(), QStringLiteral("Адкрыць файл"));
    EXPECT_EQ(window.menu->title(), QStringLiteral("Файл"));
    ASSERT_EQ(window.list->count(), 2) << "two lines for a list of five leave two items";
    EXPECT_EQ(window.list->itemText(1), QStringLiteral("два"));
    EXPECT_EQ(localizer.ResourceString(1, QStringLiteral("Внимание")), QStringLiteral("Увага\r\nрадок"));
    EXPECT_TRUE(localizer.Errors().empty());

    ASSERT_TRUE(localizer.LoadLanguage("ru.LNG"));
    localizer.TranslateComponent(window.dialog);
    EXPECT_EQ(window.action->text(), QStringLiteral("Открыть..."));
    EXPECT_EQ(window.action->toolTip(), QStringLiteral("Адкрыць файл")) << "a hint the new file does not name stays";
    EXPECT_EQ(localizer.ResourceString(1, QStringLiteral("Внимание")).left(5), QStringLiteral("Увага"))
        << "a file without messages keeps the last ones";
    EXPECT_EQ(localizer.Errors().size(), 1u) << "the unknown path";
    EXPECT_EQ(changes, (std::vector<std::string>{"by", "ru.LNG"}));

    // A missing file or one that stops changes neither the name nor the windows.
    Write("bad.lng", "[QDialog]\r\nactOpen.Caption=Bad\r\n[(x)Gone]\r\n");
    EXPECT_FALSE(localizer.LoadLanguage("bad"));
    EXPECT_FALSE(localizer.LoadLanguage("none"));
    EXPECT_EQ(localizer.LanguageName, "ru.LNG");
    EXPECT_EQ(window.action->text(), QStringLiteral("Открыть..."));
    EXPECT_EQ(changes.size(), 2u);
}
