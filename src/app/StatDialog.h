#pragma once

#include <QDialog>

class QLabel;

namespace kunimor {
class TBelModule;
}

namespace kunimor::app {

// All and user-changed paradigms, words and collocations of each language.
class TfrmStat : public QDialog {
    Q_OBJECT
public:
    TfrmStat(TBelModule& module, QWidget* parent);

    // Counts into the fields; the direction stays as it was.
    void Count();
    QString FieldText(int language, bool changed) const;
    QString AllNewText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TBelModule& module_;
    QLabel* all_[2];
    QLabel* changed_[2];
    QLabel* stAllNew_;
};

}  // namespace kunimor::app
