#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLineEdit;
class QTextEdit;

namespace kunimor::app {

// Find, and with replace also replace, in one pane at a time.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent);

    // Opens the dialog on pane with the initial search text.
    void Open(QTextEdit* pane, const QString& text, bool replace);
    // The next match after the selection, from the start when the caret is
    // at the end; without one the caret goes to the end with a beep.
    bool FindNext();
    void ReplaceCurrent();
    int ReplaceAll();
    bool HasSearchText() const;

private:
    QTextDocument::FindFlags Flags() const;

    QTextEdit* pane_ = nullptr;
    QLineEdit* findText_;
    QLineEdit* replaceText_;
    QWidget* replaceRow_;
    QCheckBox* caseSensitive_;
    QCheckBox* wholeWords_;
};

}  // namespace kunimor::app
