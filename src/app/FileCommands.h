#pragma once

#include <QObject>
#include <QString>

#include "app/RecentFiles.h"

class QAction;
class QMenu;

namespace kunimor::app {

class TfrmKunimor;
class TPrompter;
enum class TPane;

// The "Файл" menu of the main window: opening texts in a code page or RTF,
// saving either pane, the translation with its markup, the recent files and
// the files dropped on the window.
//
// A save converts the whole text first, writes it to a temporary file and
// renames that over the target; only when all of it succeeded do the file
// name, code page, recent list and modified flag change. An open reads the
// whole file before anything changes, so a failed one leaves the document as
// it was.
class TFileCommands : public QObject {
    Q_OBJECT
public:
    TFileCommands(TfrmKunimor& window, TPrompter& prompter);

    QAction *actOpen, *actSaveOrig, *actSaveAsOrig, *actSaveRes, *actSaveAsRes, *actSaveResWithMarkup;
    QMenu* MRUMenu;

    QString SourceFileName;
    QString ResultFileName;
    int FileCodePage = 0;
    const TRecentFiles& RecentFiles() const { return recent_; }

    // Puts the commands into the file menu before its entry before.
    void AddToMenu(QMenu& file, QAction* before);
    // After the settings are read: the recent list from them.
    void Start();
    // The document part of a new text: no file names, code page 0.
    void NewDocument();

    bool LoadTextFile(const QString& name, int codePage);
    bool SaveTextFile(const QString& name, TPane pane, int codePage);
    bool SaveRtfFile(const QString& name);
    // The save command of a pane: under its name, or asking for one.
    void Save(TPane pane);
    void SaveAs(TPane pane);
    void SaveWithMarkup();
    void Open();
    void AddRecentFile(const QString& path, int codePage);
    // What the window does with files dropped on it.
    void FilesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetFileName(const QString& name);
public:
    // The window's caption: the file's name before the program's.
    void UpdateTitle();
private:
    void SetFileCodePage(int codePage);
    bool WriteFile(const QString& name, const std::string& bytes);
    void ShowHint(const QString& hint);
    void RebuildRecentMenu();

    TfrmKunimor& window_;
    TPrompter& prompter_;
    TRecentFiles recent_;
    bool sourceIsRtf_ = false;
    bool crlf_ = false;  // the open file broke its lines with CR LF
    int openFilterIndex_ = 0;
};

}  // namespace kunimor::app
