#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QButtonGroup;

namespace kunimor::app {

class TEntryField;
struct TWordEditors;

// "Перевод для \"...\"": the text of a new translation, typed or picked
// among suggestions by their digit keys.
class TfrmNewTrans : public QDialog {
    Q_OBJECT
public:
    TfrmNewTrans(TWordEditors& editors, int targetLang, const std::string& lemma,
                 const std::vector<std::string>& suggestions, int kind);
    std::string Text() const;
    void accept() override;

    TEntryField* edtWord;
    QButtonGroup* rgVariants;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWordEditors& editors_;
    std::vector<std::string> suggestions_;
};

bool NewTranslationDialog(TWordEditors& editors, int targetLang, const std::string& lemma,
                          const std::vector<std::string>& suggestions, int kind, std::string& text);

// "Выбор перевода со словаря": when words of the kind with this dictionary
// form exist in the target language, lets the user take one of them.
bool SelectExistingTranslation(TWordEditors& editors, int targetLang, int kind, const std::string& text, int32_t& no);

}  // namespace kunimor::app
