#include "editing/ui/WordsModel.h"

#include "app/PaneText.h"
#include "dictionary/TagCodes.h"
#include "editing/EntryLabels.h"
#include "ground/Error.h"
#include "morphology/SampleForms.h"

#include <QFont>

namespace kunimor::app {

TWordsModel::TWordsModel(TBelEditModule& module, TWordsSelection& selection, QObject* parent)
    : QAbstractTableModel(parent), module_(module), selection_(selection) {}

void TWordsModel::Select(const TWordsFilter& filter, bool recount) {
    beginResetModel();
    selection_.Select(filter, recount);
    endResetModel();
}

void TWordsModel::SetDrawing(bool on) {
    drawing_ = on;
    if (on && rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

int TWordsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : selection_.Size(); }
int TWordsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant TWordsModel::data(const QModelIndex& index, int role) const {
    // Rows point into the table: after a change they wait for the next Select.
    if (!index.isValid() || index.row() >= selection_.Size() || selection_.Stale()) return {};
    if (role == Qt::FontRole && index.column() == colLemma) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole) return {};
    if (index.column() == colLemma) return FromCp1251(selection_.LemmaAt(index.row()));
    return drawing_ ? DrawnText(index.row(), index.column()) : QString();
}

QString TWordsModel::DrawnText(int row, int column) const {
    const int lang = selection_.Lang();
    const int16_t tag = selection_.TagAt(row);
    if (column == colTheme) return FromCp1251(ThemeLabel(module_, lang, tag));
    const int16_t etalonNo = selection_.EtalonNoAt(row);
    if (etalonNo < 0) return {};
    try {
        module_.LoadEtalon(lang, etalonNo);
        const TEtalonRec& etalon = module_.CurEtalon;
        if (column == colType) return FromCp1251(EntryTypeText(lang, etalon.Kind, etalon.RodChislo, tag));
        const WordTagFields fields = DecodeWordTag(etalon.Kind, tag);
        const TCasePattern pattern = etalon.Kind != kNoun ? TCasePattern::csLower
                                     : fields.b         ? TCasePattern::csCapital
                                     : fields.c         ? TCasePattern::csUpper
                                                        : TCasePattern::csLower;
        return FromCp1251(SampleForms(lang, etalon.Kind, selection_.OsnovaAt(row), false, pattern, etalon.Forms));
    } catch (const Error&) {
        return QStringLiteral("?");  // a broken paradigm must not stop the list from drawing
    }
}

QVariant TWordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString();
    switch (section) {
        case colType: return QStringLiteral("Тип");
        case colLemma: return selection_.Lang() == 1 ? QStringLiteral("Лема") : QStringLiteral("Лемма");
        case colTheme: return QStringLiteral("Тематика");
        case colForms: return QStringLiteral("Другие формы слова");
        default: return {};
    }
}

}  // namespace kunimor::app
