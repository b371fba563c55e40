#pragma once

#include <QObject>

#include <cstdint>
#include <string>

#include "editing/ui/WordEditors.h"

class QAction;
class QMenu;

namespace kunimor::app {

class TfrmKunimor;

// The main window's commands that open the word editors: a new article for
// the selected or caret word (Ctrl+N), a new translation of a word among
// its variants, and opening or adding a word of the unknown-words list.
class TWordEditCommands : public QObject {
    Q_OBJECT
public:
    TWordEditCommands(TfrmKunimor& window, TPrompter& prompter);

    // Reads the learned endings and word prefixes of the settings folder.
    void Start(const std::filesystem::path& settingsFolder);
    // Writes the learned endings back (only the first instance of a loaded dictionary).
    void Finish(const std::filesystem::path& settingsFolder);

    void NewArticle();
    // "Новый перевод...": a translation for source entry no.
    void NewTranslation(int32_t no);
    // The word's article when the dictionary has it, else a new entry.
    void OpenOrAddWord(const std::string& word);

    QAction* actNewArticle;
    TWordEditors Editors;

private:
    bool Ready() const;

    TfrmKunimor& window_;
};

}  // namespace kunimor::app
