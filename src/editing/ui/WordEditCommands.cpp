#include "editing/ui/WordEditCommands.h"

#include <QAction>
#include <QTextCursor>
#include <QTextEdit>

#include "app/DictionaryAutoSave.h"
#include "app/MainWindow.h"
#include "app/PaneText.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "app/WordAt.h"
#include "dictionary/StemSeeker.h"
#include "ground/Direction.h"
#include "ground/Error.h"

namespace kunimor::app {

TWordEditCommands::TWordEditCommands(TfrmKunimor& window, TPrompter& prompter)
    : QObject(&window), Editors(window.Module, prompter, &window), window_(window) {
    actNewArticle = new QAction(QStringLiteral("Новая словарная статья..."), &window);
    actNewArticle->setObjectName(QStringLiteral("actNewArticle"));
    actNewArticle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actNewArticle->setShortcutContext(Qt::WindowShortcut);
    connect(actNewArticle, &QAction::triggered, this, &TWordEditCommands::NewArticle);
    window.addAction(actNewArticle);
    Editors.OnNewWordForm = [this](const std::string& form) { window_.UnknownWords.Remove(form); };
}

void TWordEditCommands::Start(const std::filesystem::path& settingsFolder) {
    Editors.LoadTails(settingsFolder);
    try {
        Editors.Prefixes = TWordPrefixes::Load(settingsFolder / "wordprefix.ini");
    } catch (const std::exception& e) {
        window_.AddMessage(e.what());
    }
}

void TWordEditCommands::Finish(const std::filesystem::path& settingsFolder) {
    if (window_.DictionaryLoaded && !window_.SecondInstance) Editors.SaveTails(settingsFolder);
}

bool TWordEditCommands::Ready() const { return window_.DictionaryLoaded && !window_.Busy; }

void TWordEditCommands::NewArticle() {
    if (!Ready()) return;
    QTextEdit* pane = window_.ActiveEditor ? window_.ActiveEditor : window_.Editor;
    QTextCursor cursor = pane->textCursor();
    std::string text = ToEngine(cursor.selectedText()).text;
    if (text.empty()) {
        const std::string all = ToEngine(pane->toPlainText()).text;
        const TWordSpan span = WordAt(all, cursor.position());
        text = all.substr(static_cast<size_t>(span.start), static_cast<size_t>(span.length));
    }
    while (!text.empty() && text.front() == '\'') text.erase(0, 1);
    while (!text.empty() && text.back() == '\'') text.pop_back();
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\x1F' || c == '\x0B') c = ' ';
    TEditInProgress editing;
    try {
        AddNewEntry(Editors, text, kAllowCollocations | kAllowWhichClauses | kAllowAbbreviation | kOpenArticle, 0, 0);
    } catch (const std::exception& e) {
        Editors.Prompter.Ask(&window_, QStringLiteral("Error"), FromCp1251(e.what()), TButtons::Ok, TIcon::Error,
                             TAnswer::Ok);
    }
}

void TWordEditCommands::NewTranslation(int32_t no) {
    if (!Ready()) return;
    TEditInProgress editing;
    try {
        const int kind = window_.Module.LoadEntry(SourceLang, no);
        AddTranslation(Editors, no, window_.Module.WordsTable(SourceLang).GetString(WordsField::Lemma), kind);
    } catch (const std::exception& e) {
        Editors.Prompter.Ask(&window_, QStringLiteral("Error"), FromCp1251(e.what()), TButtons::Ok, TIcon::Error,
                             TAnswer::Ok);
    }
}

void TWordEditCommands::OpenOrAddWord(const std::string& word) {
    if (!Ready() || word.empty()) return;
    TEditInProgress editing;
    try {
        int32_t found = -1;
        SeekWord(window_.Module, word, [&](const TWordFormArgs& hit) { found = hit.No; });
        if (found > 0 && !IsCollocNo(found)) EditWordArticle(Editors, found);
        else AddNewEntry(Editors, word, kAllowCollocations | kAllowWhichClauses | kOpenArticle, 0, 0);
    } catch (const std::exception& e) {
        Editors.Prompter.Ask(&window_, QStringLiteral("Error"), FromCp1251(e.what()), TButtons::Ok, TIcon::Error,
                             TAnswer::Ok);
    }
}

}  // namespace kunimor::app
