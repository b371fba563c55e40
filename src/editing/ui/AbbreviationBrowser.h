#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QPushButton;

namespace kunimor {
class TBelEditModule;
struct Record;
}

namespace kunimor::app {

class TPrompter;
class TMyDBGrid;

// "Сокращения со знаками препинания": every abbreviation pair, optionally only
// the user's changes; edits and adds pairs in the abbreviation editor and
// deletes them (their expansions stay in the glossary).
class TfBrAbbr : public QDialog {
    Q_OBJECT
public:
    TfBrAbbr(TBelEditModule& module, TPrompter& prompter, QWidget* parent = nullptr);

    int32_t CurrentNo() const;
    bool Locate(int32_t no);
    void EditCurrent();
    void InsertPair();
    void DeleteCurrent();

    QPushButton *btnOnlyModif = nullptr, *btnEdit = nullptr, *btnClose = nullptr;
    TMyDBGrid* grd = nullptr;

private:
    void Keeping(const std::function<void(int32_t& moveTo)>& action);

    TBelEditModule& module_;
    TPrompter& prompter_;
    class TAbbrModel* model_ = nullptr;
};

}  // namespace kunimor::app
