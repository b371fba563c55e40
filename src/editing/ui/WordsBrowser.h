#pragma once

#include <QDialog>

#include <memory>

#include "editing/WordsSelection.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace kunimor::app {

class TPrompter;
class TMyDBGrid;
class TWordsModel;

// The words browser ("Словарь"): every word of one language in dictionary
// order, searched as the user types, filtered by paradigm, by the user's
// changes, by missing translations and by a lemma pattern; it inserts,
// deletes and marks proper names through the editing module and opens the
// word article editor (BrowserHooks) on the current word.
class TfrmBrWords : public QDialog {
    Q_OBJECT
public:
    TfrmBrWords(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent = nullptr);
    ~TfrmBrWords() override;

    // The word under the cursor, 0 when the view is empty.
    int32_t CurrentNo() const;
    bool Locate(int32_t no);
    void OpenArticle();
    void InsertWord();
    void DeleteWord();
    void ToggleProperName();
    void ApplyPattern();
    const TWordsFilter& Filter() const { return filter_; }

    QLineEdit* edtLemma = nullptr;
    QToolButton *btnLemmaSearch = nullptr, *btnEtalonFilter = nullptr, *btnOnlyModif = nullptr,
                *btnNontransFilter = nullptr, *sbAbbrev = nullptr;
    TMyDBGrid* grdWords = nullptr;
    QPlainTextEdit* mmGlossary = nullptr;
    QLabel* stPos = nullptr;
    QPushButton *btnEdit = nullptr, *btnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Search(const QString& text);
    void ApplyFilters(bool recount);
    void RefreshStatus();
    int CurrentRow() const;
    void GoToRow(int row);
    // Runs an action that may change the table: the position (this word,
    // else the one after it) is kept across it, also when it fails.
    void Keeping(const std::function<void()>& action);

    TBelEditModule& module_;
    TPrompter& prompter_;
    int lang_;
    TWordsSelection selection_;
    TWordsFilter filter_;
    TWordsModel* model_ = nullptr;
};

// Opens the words browser of lang modally on word no (0: the first word).
void BrowseWords(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent, int32_t no = 0);

}  // namespace kunimor::app
