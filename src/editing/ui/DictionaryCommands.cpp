#include "editing/ui/DictionaryCommands.h"

#include "app/MainWindow.h"
#include "editing/ui/AbbreviationBrowser.h"
#include "editing/ui/CollocBrowser.h"
#include "editing/ui/ThemePicker.h"
#include "editing/ui/WordsBrowser.h"
#include "ground/Direction.h"

#include <QAction>
#include <QMenu>

namespace kunimor::app {

TDictionaryCommands::TDictionaryCommands(TfrmKunimor& window, TPrompter& prompter)
    : QObject(&window), window_(window), prompter_(prompter) {
    actBrWordsBel = Command("actBrWordsBel", QStringLiteral("Беларуский словарь..."), QKeySequence(Qt::SHIFT | Qt::Key_F7),
                            &TDictionaryCommands::BrowseWordsOf, 1);
    actBrWordsRus = Command("actBrWordsRus", QStringLiteral("Русский словарь..."), QKeySequence(Qt::CTRL | Qt::Key_F7),
                            &TDictionaryCommands::BrowseWordsOf, 0);
    actBrCollocB = Command("actBrCollocB", QStringLiteral("Беларуские словосочетания..."), QKeySequence(Qt::SHIFT | Qt::Key_F8),
                           &TDictionaryCommands::BrowseCollocationsOf, 1);
    actBrCollocR = Command("actBrCollocR", QStringLiteral("Русские словосочетания..."), QKeySequence(Qt::CTRL | Qt::Key_F8),
                           &TDictionaryCommands::BrowseCollocationsOf, 0);
    actBrAbbr = Command("actBrAbbr", QStringLiteral("Сокращения..."), {}, &TDictionaryCommands::BrowseAbbreviations, 0);
    actSaveDatabase = Command("actSaveDatabase", QStringLiteral("Сохранить словарь"), QKeySequence(Qt::Key_F12), &TDictionaryCommands::Save, 0);
    actSelThemes = Command("actSelThemes", QStringLiteral("Тематики текста..."), {}, &TDictionaryCommands::ChooseTextThemes, 0);
}

QAction* TDictionaryCommands::Command(const char* name, const QString& caption, const QKeySequence& shortcut,
                                      void (TDictionaryCommands::*run)(int), int lang) {
    auto* action = new QAction(caption, &window_);
    action->setObjectName(QString::fromLatin1(name));  // language files name it
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, run, lang] { (this->*run)(lang); });
    window_.addAction(action);
    return action;
}

void TDictionaryCommands::AddToMenus(QMenu& dictionaries, QMenu& text, QAction* statistics) {
    QMenu* words = dictionaries.addMenu(QStringLiteral("Слова"));
    words->setObjectName(QStringLiteral("miWords"));
    words->addActions({actBrWordsBel, actBrWordsRus});
    QMenu* collocations = dictionaries.addMenu(QStringLiteral("Словосочетания"));
    collocations->setObjectName(QStringLiteral("miCollocations"));
    collocations->addActions({actBrCollocB, actBrCollocR});
    dictionaries.addAction(actBrAbbr);
    dictionaries.addSeparator();
    dictionaries.addAction(statistics);
    dictionaries.addAction(actSaveDatabase);
    text.addAction(actSelThemes);
}

void TDictionaryCommands::SetEnabled(bool loaded) {
    for (QAction* a : {actBrWordsBel, actBrWordsRus, actBrCollocB, actBrCollocR, actBrAbbr, actSelThemes})
        a->setEnabled(loaded);
    actSaveDatabase->setEnabled(loaded && !window_.SecondInstance);
}

void TDictionaryCommands::BrowseWordsOf(int lang) {
    if (!window_.DictionaryLoaded || window_.Busy) return;
    BrowseWords(window_.Module, prompter_, lang, &window_);
}

void TDictionaryCommands::BrowseCollocationsOf(int lang) {
    if (!window_.DictionaryLoaded || window_.Busy) return;
    BrowseCollocations(window_.Module, prompter_, lang, &window_);
}

void TDictionaryCommands::BrowseAbbreviations(int) {
    if (!window_.DictionaryLoaded || window_.Busy) return;
    TfBrAbbr browser(window_.Module, prompter_, &window_);
    browser.exec();
}

void TDictionaryCommands::Save(int) { window_.AutoSave(); }

void TDictionaryCommands::ChooseTextThemes(int) {
    if (!window_.DictionaryLoaded || window_.Busy) return;
    SelectTextThemes(window_.Module, SourceLang, &window_);
}

}  // namespace kunimor::app
