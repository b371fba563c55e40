#include <QCoreApplication>
#include <QLabel>
#include <QLocalServer>
#include <QMenu>
#include <QProcess>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "MainWindowFixture.h"
#include "app/FileCommands.h"
#include "app/PaneText.h"
#include "app/RequestCommands.h"
#include "app/RequestServer.h"
#include "app/TextViewFormat.h"
#include "ground/CodePages.h"

using namespace kunimor;
using namespace kunimor::app;

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Each character of a pane with the text view it shows.
std::vector<std::pair<QChar, int>> Looks(const QTextEdit& pane) {
    std::vector<std::pair<QChar, int>> looks;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (QChar c : it.fragment().text()) looks.emplace_back(c, ViewOfFormat(it.fragment().charFormat(), Settings));
        if (block.next().isValid()) looks.emplace_back(QChar(u'\n'), -2);
    }
    return looks;
}

// The translation pane's text and looks, ending where its last line ends.
std::vector<std::pair<QChar, int>> WithoutFinalBreak(std::vector<std::pair<QChar, int>> looks) {
    while (!looks.empty() && looks.back().first == u'\n') looks.pop_back();
    return looks;
}

}  // namespace

TEST_F(MainWindowTest, ACp866FileTranslatedAndSavedAsRtfReopensWithItsColours) {
    auto window = Started();
    DistinctViews(*window);
    const std::filesystem::path doc = settingsDir.Path() / "doc.txt";
    const QString text = QStringLiteral("Брат читает книгу. Зюзя читает!\nКнига дома.");
    WriteFile(doc, ConvertText(true, kCpDos866, ToEngine(text).text, false));

    prompter.files = {TFileChoice{PathText(doc), kCpDos866, 0}};
    window->Files->actOpen->trigger();
    EXPECT_EQ(window->Editor->toPlainText(), text);
    EXPECT_EQ(window->StatusPanels[3]->text(), QStringLiteral("ASCII (DOS 866)"));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("doc.txt - ")));
    EXPECT_FALSE(window->Editor->document()->isModified());
    ASSERT_FALSE(window->Files->RecentFiles().Entries().empty());
    EXPECT_EQ(window->Files->RecentFiles().Entries().front().codePage, kCpDos866);
    EXPECT_TRUE(window->Files->MRUMenu->menuAction()->isVisible());

    window->Translate(true);
    const auto translated = Looks(*window->Editor2);
    std::set<int> views;
    for (const auto& [c, view] : translated) views.insert(view);
    ASSERT_TRUE(views.count(0) && views.count(1)) << "translated and unknown words, in two looks";

    const std::filesystem::path rtf = settingsDir.Path() / "doc - перевод.rtf";
    prompter.files = {TFileChoice{PathText(rtf), 0, 0}};
    window->Files->actSaveResWithMarkup->trigger();
    ASSERT_FALSE(prompter.fileDialogs.empty());
    EXPECT_EQ(prompter.fileDialogs.back().proposed.path, PathText(rtf));
    ASSERT_TRUE(std::filesystem::exists(rtf));
    EXPECT_TRUE(window->Files->SourceFileName.endsWith(QStringLiteral("doc.txt"))) << "markup saves touch no names";

    EXPECT_TRUE(window->Files->LoadTextFile(PathText(rtf), 0));
    EXPECT_EQ(WithoutFinalBreak(Looks(*window->Editor)), WithoutFinalBreak(translated));
    EXPECT_TRUE(window->Editor2->toPlainText().isEmpty());
    EXPECT_EQ(window->Files->RecentFiles().Entries().size(), 2u);
}

TEST_F(MainWindowTest, SavingTheTranslationProposesItsNameAndConvertsIt) {
    auto window = Started();
    const std::filesystem::path doc = settingsDir.Path() / "doc.txt";
    WriteFile(doc, "\xc1\xf0\xe0\xf2\r\n");  // "Брат" in Windows-1251 with a CR LF
    ASSERT_TRUE(window->Files->LoadTextFile(PathText(doc), 0));
    window->Translate(true);
    const std::filesystem::path result = settingsDir.Path() / "out.txt";
    prompter.files = {TFileChoice{PathText(result), kCpUtf8, 0}};
    window->Files->actSaveRes->trigger();  // no name yet: save as
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].caption, QStringLiteral("Сохранить результат как..."));
    EXPECT_TRUE(prompter.fileDialogs[0].proposed.path.endsWith(QStringLiteral("/doc - перевод.txt")));
    EXPECT_EQ(ReadFile(result), (window->Editor2->toPlainText().replace(u'\n', QStringLiteral("\r\n"))).toStdString());
    EXPECT_FALSE(window->Editor2->document()->isModified());
    EXPECT_EQ(window->Files->ResultFileName, PathText(result));
    EXPECT_EQ(window->Files->RecentFiles().Entries().front().path, result.string());

    // Saving the source under a new name forgets the translation's.
    window->Editor->textCursor().insertText(QStringLiteral("Ещё "));
    const std::filesystem::path copy = settingsDir.Path() / "copy.txt";
    prompter.files = {TFileChoice{PathText(copy), kCpAnsi, 0}};
    window->Files->actSaveAsOrig->trigger();
    EXPECT_EQ(window->Files->SourceFileName, PathText(copy));
    EXPECT_TRUE(window->Files->ResultFileName.isEmpty());
}

TEST_F(MainWindowTest, AFailedSaveOrOpenChangesNothing) {
    auto window = Started();
    const std::filesystem::path doc = settingsDir.Path() / "doc.txt";
    WriteFile(doc, "old");
    ASSERT_TRUE(window->Files->LoadTextFile(PathText(doc), 0));
    window->Editor->textCursor().insertText(QStringLiteral("new "));

    prompter.files = {TFileChoice{PathText(settingsDir.Path() / "no" / "such" / "x.txt"), kCpKoi8r, 0}};
    window->Files->actSaveAsOrig->trigger();
    ASSERT_FALSE(prompter.asked.empty());
    EXPECT_EQ(prompter.asked.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(window->Files->SourceFileName, PathText(doc));
    EXPECT_EQ(window->Files->FileCodePage, kCpAnsi);
    EXPECT_TRUE(window->Editor->document()->isModified());
    EXPECT_EQ(window->Files->RecentFiles().Entries().size(), 1u);

    // Saving over the file replaces it whole, through a file of its own.
    window->Files->actSaveOrig->trigger();
    EXPECT_EQ(ReadFile(doc), "new old");
    EXPECT_FALSE(window->Editor->document()->isModified());

    window->Editor->textCursor().insertText(QStringLiteral("kept "));
    prompter.asked.clear();
    EXPECT_FALSE(window->Files->LoadTextFile(PathText(settingsDir.Path() / "missing.txt"), 0));
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("new kept old"));
    EXPECT_EQ(window->Files->SourceFileName, PathText(doc));
}

TEST_F(MainWindowTest, AnRtfSourceIsNotOverwrittenAsPlainTextUnasked) {
    auto window = Started();
    const std::filesystem::path rtf = settingsDir.Path() / "a.RTF";
    const std::string original = "{\\rtf1\\ansi {\\b Bold} text\\par}";
    WriteFile(rtf, original);
    ASSERT_TRUE(window->Files->LoadTextFile(PathText(rtf), 0));
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("Bold text\n"));
    window->Editor->textCursor().insertText(QStringLiteral("x"));
    prompter.answers = {TAnswer::Cancel};
    window->Files->actSaveOrig->trigger();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].caption, QStringLiteral("Confirm"));
    EXPECT_EQ(ReadFile(rtf), original);
    EXPECT_TRUE(window->Editor->document()->isModified());

    // A file named .rtf that holds no RTF is a plain text.
    const std::filesystem::path fake = settingsDir.Path() / "fake.rtf";
    WriteFile(fake, "{not rtf}");
    window->Files->LoadTextFile(PathText(fake), 0);
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("{not rtf}"));
}

TEST_F(MainWindowTest, YesWhenClosingSavesAndCloses) {
    auto window = Started();
    const std::filesystem::path doc = settingsDir.Path() / "doc.txt";
    WriteFile(doc, "old");
    ASSERT_TRUE(window->Files->LoadTextFile(PathText(doc), 0));
    window->Editor->textCursor().insertText(QStringLiteral("new "));
    prompter.answers = {TAnswer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadFile(doc), "new old");
}

TEST_F(MainWindowTest, ARecentFileReopensInItsCodePage) {
    auto window = Started();
    const std::filesystem::path doc = settingsDir.Path() / "koi.txt";
    WriteFile(doc, "\xe2\xcf\xcd");  // "бом" in KOI8-R
    ASSERT_TRUE(window->Files->LoadTextFile(PathText(doc), kCpKoi8r));
    const QString text = window->Editor->toPlainText();
    window->actNew->trigger();
    EXPECT_TRUE(window->Editor->toPlainText().isEmpty());
    EXPECT_EQ(window->Files->FileCodePage, kCpAnsi);
    ASSERT_EQ(window->Files->MRUMenu->actions().size(), 1);
    EXPECT_EQ(window->Files->MRUMenu->actions()[0]->text(), QStringLiteral("koi.txt"));
    window->Files->MRUMenu->actions()[0]->trigger();
    EXPECT_EQ(window->Editor->toPlainText(), text);
    EXPECT_EQ(window->Files->FileCodePage, kCpKoi8r);
    EXPECT_EQ(Settings.RecentFiles, std::vector<std::string>{doc.string() + ",5"});
}

TEST_F(MainWindowTest, ARequestFromAnotherProgramNeverTakesUnsavedText) {
    auto window = Started();
    const QString name = QStringLiteral("kunimor-test-%1").arg(QCoreApplication::applicationPid());
    QLocalServer server;
    QLocalServer::removeServer(name);
    ASSERT_TRUE(server.listen(name));
    TRequestServer requests(server, [&](const TTranslationRequest& request) { return AnswerRequest(*window, request); });

    auto request = [&](const QString& serverName, const QString& text) {
        QProcess cli;
        cli.start(QStringLiteral(KUNIMOR_CLI), {QStringLiteral("request"), QStringLiteral("ru-be"), text,
                                                QStringLiteral("--server"), serverName});
        EXPECT_TRUE(cli.waitForStarted());
        // The window answers from this thread's event loop.
        while (cli.state() != QProcess::NotRunning) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            cli.waitForFinished(20);
        }
        return std::tuple{cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
                          QString::fromUtf8(cli.readAllStandardError())};
    };

    window->Editor->textCursor().insertText(QStringLiteral("Моё несохранённое"));
    const auto [refused, nothing, why] = request(name, QStringLiteral("Брат читает"));
    EXPECT_EQ(refused, 1);
    EXPECT_TRUE(nothing.isEmpty());
    EXPECT_TRUE(why.contains(QStringLiteral("несохраненный"))) << why.toStdString();
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("Моё несохранённое"));
    EXPECT_TRUE(window->Editor->document()->isModified());

    window->SetModified(false, TPane::Source);
    const auto [ok, translation, none] = request(name, QStringLiteral("Брат читает"));
    EXPECT_EQ(ok, 0) << none.toStdString();
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral("Брат читает"));
    EXPECT_FALSE(translation.isEmpty());
    EXPECT_FALSE(translation.endsWith(u'\n'));
    EXPECT_TRUE(window->Editor2->toPlainText().startsWith(translation));
    EXPECT_FALSE(window->Editor2->document()->isModified()) << "the next request is not refused";

    const auto [again, withBreak, _] = request(name, QStringLiteral("Брат читает\n"));
    EXPECT_EQ(again, 0);
    EXPECT_EQ(withBreak, translation + u'\n');

    const auto [absent, __, ___] = request(name + QStringLiteral("-none"), QStringLiteral("Брат"));
    EXPECT_EQ(absent, 3);
}
