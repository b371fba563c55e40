#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace kunimor::app {

class TfrmKunimor;
class TPrompter;

// The main window's dictionary commands: the words and collocation browsers
// of each language (Shift+F7 / Ctrl+F7, Shift+F8 / Ctrl+F8), the abbreviation
// browser, saving the dictionary (F12) and the themes of the text.
class TDictionaryCommands : public QObject {
    Q_OBJECT
public:
    TDictionaryCommands(TfrmKunimor& window, TPrompter& prompter);

    // The "Словари" menu (statistics among them) and the theme entry of "Текст".
    void AddToMenus(QMenu& dictionaries, QMenu& text, QAction* statistics);
    // Enabled only while a dictionary is loaded.
    void SetEnabled(bool loaded);

    QAction *actBrWordsBel, *actBrWordsRus, *actBrCollocB, *actBrCollocR, *actBrAbbr, *actSaveDatabase,
        *actSelThemes;

private:
    QAction* Command(const char* name, const QString& caption, const QKeySequence& shortcut, void (TDictionaryCommands::*run)(int),
                     int lang);
    void BrowseWordsOf(int lang);
    void BrowseCollocationsOf(int lang);
    void BrowseAbbreviations(int);
    void Save(int);
    void ChooseTextThemes(int);

    TfrmKunimor& window_;
    TPrompter& prompter_;
};

}  // namespace kunimor::app
