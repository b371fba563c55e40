#pragma once

#include <QDialog>

#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QTableWidget;

namespace kunimor::app {

struct TWordEditors;

// A paradigm as the editor takes and gives it: Forms is a forms text, or
// the full forms ("main|alternative;" per slot) when Stem is empty.
struct TParadigmEdit {
    int Lang = 0;
    std::string Stem;
    int Kind = 0;
    int Gender = 0;
    std::string Forms;
};

// "Редактирование эталона": every form of a paradigm in a grid, each
// checked for its letters and its spelling; confirming derives the stem and
// the forms text.
class TfrmEdEtalon : public QDialog {
    Q_OBJECT
public:
    TfrmEdEtalon(TWordEditors& editors, const TParadigmEdit& edit, bool kindChangeable);

    const TParadigmEdit& Result() const { return result_; }
    void accept() override;

    QTableWidget* grdForms;
    QComboBox* cbKind;
    QButtonGroup* rgRod;
    QCheckBox* cbOrfo;

private:
    // Whether the form in (row, column) passes; the cell is selected when not.
    bool FormAccepted(int row, int column);

    TWordEditors& editors_;
    TParadigmEdit result_;
};

// Runs the editor; edit gets the derived paradigm. False when cancelled.
bool EditParadigm(TWordEditors& editors, TParadigmEdit& edit, bool kindChangeable);

}  // namespace kunimor::app
