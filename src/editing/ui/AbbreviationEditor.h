#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kunimor {
class TBelEditModule;
}

namespace kunimor::app {

class TPrompter;

// "Редактирование сокращения": a Belarusian and a Russian abbreviation with
// their expansions (glossary articles titled with the abbreviations). "Готово"
// checks both fields and everything the three saves would refuse before it
// writes any of them; a refusal keeps the window open on the failing field.
class TfEdAbbr : public QDialog {
    Q_OBJECT
public:
    // number > 0 edits that pair; otherwise a new one with text (Windows-1251)
    // in the field of lang.
    TfEdAbbr(TBelEditModule& module, TPrompter& prompter, int32_t number, int lang, const std::string& text,
             QWidget* parent = nullptr);
    int32_t Number() const { return number_; }
    void Done();

    QLineEdit *eBel = nullptr, *eRus = nullptr;
    QPlainTextEdit *mmBelExpansion = nullptr, *mmRusExpansion = nullptr;
    QPushButton *btnDone = nullptr, *btnCancel = nullptr;

private:
    bool CheckField(int lang, QLineEdit* field, bool& noDelimiter);
    void Warn(const QString& text);

    TBelEditModule& module_;
    TPrompter& prompter_;
    int32_t number_;
    int32_t belArticle_ = -1, rusArticle_ = -1;
};

// True when the pair was saved; number then holds its number.
bool EditAbbreviation(TBelEditModule& module, TPrompter& prompter, int32_t& number, int lang, const std::string& text,
                      QWidget* parent);

}  // namespace kunimor::app
