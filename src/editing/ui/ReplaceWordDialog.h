#pragma once

#include <QDialog>

#include "editing/WordReplacement.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTableWidget;
class QLabel;

namespace kunimor::app {

// "Замена слова": the user keeps the old word, replaces it with the new one
// or keeps both; Enter and Esc both carry out the selected action. The forms
// of both words can be shown side by side, those that differ in bold, green
// on the side that survives and red on the side that is dropped.
class TfReplaceWord : public QDialog {
    Q_OBJECT
public:
    TfReplaceWord(const TReplacementPlan& plan, QWidget* parent = nullptr);
    TReplaceAnswer Selected() const;
    void ShowForms();

    QLabel* txtInfo = nullptr;
    QButtonGroup* rgAction = nullptr;
    QPushButton *bOk = nullptr, *bForms = nullptr;
    QGroupBox* gbForms = nullptr;
    QTableWidget* grdForms = nullptr;

protected:
    void reject() override { accept(); }

private:
    void PaintForms();
    const TReplacementPlan& plan_;
};

// The answer to AddWord's question whether a new word replaces an old one:
// decided from the forms, or by the user in the dialog.
TReplaceAnswer DecideWordReplacement(const TReplaceQuestion& question, QWidget* parent);

}  // namespace kunimor::app
