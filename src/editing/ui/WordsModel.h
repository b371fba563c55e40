#pragma once

#include <QAbstractTableModel>

#include "editing/WordsSelection.h"

namespace kunimor::app {

// The words browser's table over a selection: "Тип", the lemma (bold),
// "Тематика" and "Другие формы слова". Only the rows on screen are asked
// for, so the drawn columns cost a paradigm load for those rows alone.
class TWordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { colType, colLemma, colTheme, colForms, kColumns };

    TWordsModel(TBelEditModule& module, TWordsSelection& selection, QObject* parent = nullptr);

    // Rebuilds the rows after a filter or table change.
    void Select(const TWordsFilter& filter, bool recount);
    // While false the drawn columns stay empty (the browser's own editor is
    // open and may change any record).
    void SetDrawing(bool on);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString DrawnText(int row, int column) const;

    TBelEditModule& module_;
    TWordsSelection& selection_;
    bool drawing_ = true;
};

}  // namespace kunimor::app
