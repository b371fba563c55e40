#pragma once

#include <QDialog>

#include <array>

#include "editing/WordArticle.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace kunimor::app {

struct TWordEditors;

// "Словарная статья": a source word and the words like it, each with its
// translations, their priorities and which forms link to which. Every
// change is written at once; "Готово" closes after checking the links.
class TfrmSlovo : public QDialog {
    Q_OBJECT
public:
    TfrmSlovo(TWordEditors& editors, int32_t no);
    ~TfrmSlovo() override;

    bool HasTranslation() const;
    void AddTranslation();
    void DeleteTranslation();
    void MovePriority(bool up);
    void accept() override;

    TWordArticle Article;
    QTableWidget* grdWords;
    QListWidget* lbTrans;
    QLabel* stLemma;
    QLabel* stWordKind;
    QPushButton *btnAdd, *btnDelete, *btnWordUp, *btnWordDown;
    std::array<QCheckBox*, 4> cbLinks{};  // 11, 12, 21, 22

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebuild(int32_t rowNo, int32_t transNo);
    void ShowRow();
    void ShowLinks();
    void LinkBoxChanged();
    int Row() const;
    int Trans() const;

    TWordEditors& editors_;
    int32_t no_;
    bool refreshing_ = false;
};

}  // namespace kunimor::app
