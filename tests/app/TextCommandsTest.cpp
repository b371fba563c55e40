#include "app/TextCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "ground/CodePages.h"
#include "ground/Cp1251.h"

using namespace kunimor;
using namespace kunimor::app;

TEST_F(MainWindowTest, LatinScriptGoesToTheClipboardAndComesBack) {
    auto window = Started();
    window->Editor->setPlainText(QStringLiteral("кадоўка 漢"));
    window->Editor->selectAll();
    window->TextCommands->actCopyToLatinka->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kadoŭka 漢")) << "what has no Latin form stays";
    Settings.DopLatCoding = 1;
    window->TextCommands->actCopyToLatinka->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kado&#365;ka 漢"));

    QApplication::clipboard()->setText(QStringLiteral("Ja čytaju"));
    window->Editor->clear();
    window->TextCommands->actPastFromLatinka->trigger();
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("Я чытаю"));
}

TEST_F(MainWindowTest, RecodingFromDos866TurnsBothPanesReadable) {
    auto window = Started();
    // "Брат" read as Windows-1251 from a DOS 866 file, and a Latin "i".
    const std::string dos = ConvertText(true, kCpDos866, "\xc1\xf0\xe0\xf2 i", false);
    QString garbled;
    for (char c : dos) garbled += QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(c))));
    window->Editor->setPlainText(garbled);
    window->Editor2->setPlainText(garbled);
    window->TextCommands->DecodeActions[0]->trigger();
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("Брат і"));
    EXPECT_EQ(window->Editor2->toPlainText(), QStringLiteral("Брат і"));
    EXPECT_TRUE(window->Editor->document()->isModified());
    window->TextCommands->DecodeActions[4]->trigger();  // and back
    EXPECT_EQ(window->Editor->document()->toRawText(), garbled) << "no-break spaces are letters here";
}
