#pragma once

#include <QDialog>

#include <string>

#include "editing/TailRules.h"

class QButtonGroup;
class QCheckBox;

namespace kunimor::app {

class TEntryField;
struct TWordEditors;

// "Новая словарная статья": the dictionary form of a new entry and its part
// of speech, guessed from the learned endings and learning from the answer.
class TfrmWordKind : public QDialog {
    Q_OBJECT
public:
    TfrmWordKind(TWordEditors& editors, int lang, bool abbreviationAllowed, const std::string& text, bool abbreviation);

    std::string Text() const;
    bool Abbreviation() const;
    int Kind() const;  // 0 when none is chosen
    TEntryField* edtWord;
    QButtonGroup* rgKind;
    QCheckBox* cbAbbr;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWordEditors& editors_;
    int lang_;
    TTailGuess guess_;
};

// Runs the dialog; false when cancelled. Learns the endings on success.
bool WordKindDialog(TWordEditors& editors, int lang, bool abbreviationAllowed, std::string& text, bool& abbreviation,
                    int& kind);

}  // namespace kunimor::app
