#pragma once

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/ProgramMessages.h"
#include "app/ProgressModule.h"
#include "app/UnknownWords.h"
#include "editing/ui/DialogEditPrompter.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QSplitter;
class QSystemTrayIcon;
class QTimer;
class QTextEdit;
class QToolBar;
class QVBoxLayout;

namespace kunimor::app {

class TPrompter;
class TFileCommands;
class TTextCommands;
class TFindDialog;
class TPanelFrame;
class TfrmMessages;
class TfrmUnknown;
class TSpellingCommands;
class TLanguageCommands;
class TDictionaryCommands;
class TWordEditCommands;

struct TStartOptions {
    std::filesystem::path DataFolder;
    std::filesystem::path SettingsFolder;
    bool SecondInstance = false;
    std::filesystem::path OpenFile;  // named on the command line
    std::filesystem::path LanguageFolder;  // empty: the built-in texts only
};

enum class TPane { Source, Result };

// The translator's main window: the source pane over the translation pane,
// the toolbar between them, the unknown-words panel at the right, the
// messages panel below, the status bar.
class TfrmKunimor : public QMainWindow {
    Q_OBJECT
public:
    TfrmKunimor(TStartOptions options, TPrompter& prompter, QWidget* parent = nullptr);
    ~TfrmKunimor() override;

    // What the first showing does: settings, the second-instance question,
    // the view, the dictionary. False when the user chose not to start.
    bool Start();

    bool ConfirmDiscard();
    void BeginTextUpdate();
    void EndTextUpdate(bool keepSourceModified, bool keepResultModified);
    void SetModified(bool modified, TPane pane);
    void ApplyViewSettings();
    // Hands the engine the options it reads as process-wide settings.
    void ApplyEngineSettings() const;
    void SelectDirection(int sourceLang);
    void DetectDirection();
    void ShowUnknownPanel(bool show);
    void ShowMessagesPanel(bool show);
    void SetTextLayout(bool vertical);
    void UpdateCaretStatus();
    void AddMessage(const std::string& text);
    void ClearLists();

    // The translate commands; a second call while a run goes on asks
    // whether to abort it.
    void Translate(bool wholeText);
    void SearchUnknown();
    // The whole source text into the translation pane, the source unmarked.
    void TranslateForRequest();

    QTextEdit* Editor = nullptr;   // source
    QTextEdit* Editor2 = nullptr;  // translation
    QTextEdit* ActiveEditor = nullptr;
    bool DictionaryLoaded = false;
    bool Busy = false;
    bool SecondInstance = false;
    // Saves a pane's text (the document commands set it); a pane still
    // modified afterwards was not saved.
    std::function<void(TPane)> SaveText;
    // Saves the changed dictionary tables (the dictionary editing sets it);
    // the automatic-saving timer runs it when nothing else runs.
    std::function<void()> SaveDictionary;
    QTimer* AutoSaveTimer = nullptr;
    void AutoSave();
    TUnknownWords UnknownWords;
    TProgramMessages ProgramMessages;
    TDialogEditPrompter EditPrompter;  // before Module, which asks through it
    TProgressModule Module;
    std::array<QLabel*, 5> StatusPanels{};
    TfrmUnknown* UnknownPanel() const;
    TfrmMessages* MessagesPanel() const;

    QAction *actNew, *actQuit, *actUndo, *actRedo, *actCut, *actCopy, *actPaste, *actSelectAll;
    QAction *actTranslate, *actTranslateAll, *actSearchUnknown, *actBel2Rus, *actRus2Bel, *actWordWarp;
    QAction *actStat, *actTextsVert, *actTextsHoriz, *actShowUnknown, *actShowMessages, *actClearMessages;
    QAction *actHelp, *actHomePage, *actEMail, *actAbout, *actOptions, *actApplicationRestore;
    QAction *actFind, *actReplace, *actSearchAgain;
    TFindDialog* FindDialog() const { return findDialog_; }
    TFileCommands* Files = nullptr;
    TWordEditCommands* WordEdits = nullptr;
    TTextCommands* TextCommands = nullptr;
    TLanguageCommands* Languages = nullptr;
    TDictionaryCommands* Dictionaries = nullptr;
    TSpellingCommands* Spelling() const { return spelling_; }
    std::vector<QAction*> SchemeActions;  // in the order of kColourSchemes

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    // The names language files address the window's controls by.
    void NameComponents();
    void CreateLayout();
    void AddVariantMenu(QMenu& menu, int position);
    struct TSidePanel {
        TPanelFrame*& frame;
        QWidget* holder;
        QSplitter* splitter;
        int extent;  // its width or height when it first shows
        QAction* toggle;
    };
    void ShowSidePanel(const TSidePanel& panel, bool listEmpty, bool show, const std::function<TPanelFrame*()>& create);
    QAction* MakeAction(const QString& caption, const QKeySequence& shortcut, void (TfrmKunimor::*slot)());
    // marked: output into the translation pane (else only the unknown
    // words are collected); markSource: the source pane shows the outcome.
    void Run(bool wholeText, bool marked, bool markSource = true);
    void SetLongCommand(bool running);
    void PaneChanged(TPane pane);
    void SelectionChanged();
    void ApplyWordWrap();
    void NewDocument();
    void ClearPanes();
    void ShowStatistics();
    void ShowAbout();
    void ShowOptions();
    void OpenFind(bool replace);
    void MinimizeToTray();
    void RestoreFromTray();
    bool CloseAllowed();
    void ConnectDictionarySaving();
    // Saves the edited dictionary on closing; false when it failed and the
    // user chose to stay.
    bool DictionarySavedForClosing();
    void StorePlacement();
    void RestorePlacement();

    TStartOptions options_;
    TPrompter& prompter_;
    bool started_ = false;
    bool translating_ = false;
    int updateLevel_ = 0;
    struct TSavedView {
        bool modified = false;
        int selectionStart = 0;
        int selectionEnd = 0;
        int scroll = 0;
    };
    TSavedView saved_[2];
    bool verticalLayout_ = true;

    QToolBar* toolBar_ = nullptr;
    QSystemTrayIcon* trayIcon_ = nullptr;
    TFindDialog* findDialog_ = nullptr;
    TSpellingCommands* spelling_ = nullptr;
    QProgressBar* pbTracking_ = nullptr;
    QAction* pbTrackingAction_ = nullptr;
    QSplitter* splitter1_ = nullptr;  // panes | unknown words
    QSplitter* splitter2_ = nullptr;  // texts / messages
    QSplitter* paneSplitter_ = nullptr;
    QVBoxLayout* textAreaLayout_ = nullptr;
    QVBoxLayout* lowerLayout_ = nullptr;
    QWidget* pnlUnknown_ = nullptr;
    QWidget* pnlMessages_ = nullptr;
    TPanelFrame* frmUnknown_ = nullptr;
    TPanelFrame* frmMessages_ = nullptr;
};

}  // namespace kunimor::app
