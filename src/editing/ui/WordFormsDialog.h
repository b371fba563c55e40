#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "editing/WordFormsSession.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace kunimor::app {

class TEntryField;
struct TWordEditors;

// "Формы слова ": asks the new word's forms one by one, proposing what the
// best-fitting paradigm gives, and stores the word when they are settled.
class TfrmSklonenie : public QDialog {
    Q_OBJECT
public:
    TfrmSklonenie(TWordEditors& editors, int lang, int kind, const std::string& word, int16_t tag, int32_t wordNo);

    int32_t WordNo() const { return wordNo_; }
    TWordFormsSession& Session() { return session_; }

    // "Далее": checks and takes the input; stores the word when that was the
    // last question.
    void Next();
    // "Применить": the selected candidate answers the remaining questions.
    void Apply();
    // "Вернуться": takes the last answer back.
    void Back();

    TEntryField* edtForm;
    QTableWidget* grdCandidates;
    QLabel* lblQuestion;
    QLabel* stDescription;
    QPushButton *btnNext, *btnApply, *btnBack;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the spelling check lets form through (it may change it).
    bool FormSpellingAccepted(std::string& form);
    void ShowQuestion();
    void ShowProposal();
    bool Complete();
    // No paradigm fits the forms: offers to make one; true when the word is stored.
    bool OfferNewParadigm();

    TWordEditors& editors_;
    TWordFormsSession session_;
    int32_t wordNo_;
    QVBoxLayout* history_;
};

}  // namespace kunimor::app
