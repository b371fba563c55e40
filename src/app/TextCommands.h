#pragma once

#include <QObject>

#include <vector>

#include "ground/CodePages.h"

class QAction;
class QMenu;

namespace kunimor::app {

class TfrmKunimor;

// The Latin-script clipboard commands of "Правка" and the code-page
// conversions of "Текст": texts that came in the wrong code page are
// recoded in both panes at once.
class TTextCommands : public QObject {
    Q_OBJECT
public:
    explicit TTextCommands(TfrmKunimor& window);

    QAction *actCopyToLatinka, *actPastFromLatinka;
    // DOS, KOI8-R, MAC, ISO to Windows-1251, then back the other way.
    std::vector<QAction*> DecodeActions;

    void AddToMenus(QMenu& edit, QMenu& text);

    // The selection of the active pane to the clipboard in the Latin script
    // ("ŭ" as itself, or as &#365; with DopLatCoding 1).
    void CopyToLatinka();
    // Latin-script clipboard text into the active pane in the Cyrillic script.
    void PasteFromLatinka();
    // Every byte of both panes through the table of a code page: what was
    // read in the wrong one becomes readable. Colours are lost.
    void RecodeEditors(TRecodeDirection direction, int codePage);

private:
    TfrmKunimor& window_;
};

}  // namespace kunimor::app
