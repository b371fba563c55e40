#pragma once

#include <QDialog>

#include "editing/CollocSelection.h"

class QPushButton;

namespace kunimor::app {

class TPrompter;
class TMyDBGrid;

// The collocation browser ("Словосочетания"): every collocation of one
// language with its words, filtered by the current one's kind and by the
// user's changes; it deletes through the editing module (links and the
// first-word flag with it) and opens the collocation and word article
// editors (BrowserHooks) on the current collocation.
class TfrmBrColloc : public QDialog {
    Q_OBJECT
public:
    TfrmBrColloc(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent = nullptr);
    ~TfrmBrColloc() override;

    int32_t CurrentNo() const;
    bool Locate(int32_t no);
    void EditCurrent();
    void OpenArticle();
    void InsertCollocation();
    void DeleteCurrent();

    QPushButton *btnFilter = nullptr, *btnOnlyModif = nullptr, *btnEdit = nullptr, *btnTranslations = nullptr,
                *btnClose = nullptr;
    TMyDBGrid* grdColloc = nullptr;

private:
    void ApplyFilters();
    // Runs an action that may change the table, keeping the position (this
    // collocation, else the one after it; moveTo when an action sets it).
    void Keeping(const std::function<void(int32_t& moveTo)>& action);

    TBelEditModule& module_;
    TPrompter& prompter_;
    int lang_;
    TCollocSelection selection_;
    int kindFilter_ = -1;
    bool onlyModified_ = false;
    class TCollocModel* model_ = nullptr;
};

// Opens the collocation browser of lang modally on collocation no (0: the first).
void BrowseCollocations(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent, int32_t no = 0);

}  // namespace kunimor::app
