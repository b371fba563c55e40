#include "editing/ui/AbbreviationBrowser.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "editing/BelEditModule.h"
#include "editing/ui/AbbreviationEditor.h"
#include "editing/ui/ProportionalGrid.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kunimor::app {

// The pairs in the table's current order, Belarusian then Russian.
class TAbbrModel : public QAbstractTableModel {
public:
    TAbbrModel(Table& abbr, QObject* parent) : QAbstractTableModel(parent), abbr_(abbr) {}

    void Select(bool onlyModified) {
        beginResetModel();
        rows_.clear();
        for (const Record* r : abbr_.CurrentIndex().refs)
            if (!onlyModified || abbr_.FieldValue(*r, AbbrField::Modif).AsBool()) rows_.push_back(r);
        generation_ = abbr_.Generation();
        endResetModel();
    }
    int32_t NoAt(int row) const {
        return row >= 0 && row < Size() && !Stale() ? abbr_.FieldValue(*rows_[row], AbbrField::No).AsInt() : 0;
    }
    int Size() const { return static_cast<int>(rows_.size()); }
    bool Stale() const { return generation_ != abbr_.Generation(); }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : Size(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Size() || Stale()) return {};
        return FromCp1251(abbr_.FieldValue(*rows_[index.row()], index.column() == 0 ? AbbrField::Bel : AbbrField::Rus)
                              .AsString());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Vertical) return QString();
        return section == 0 ? QStringLiteral("Беларускія скароты") : QStringLiteral("Русские сокращения");
    }

private:
    Table& abbr_;
    std::vector<const Record*> rows_;
    uint64_t generation_ = 0;
};

TfBrAbbr::TfBrAbbr(TBelEditModule& module, TPrompter& prompter, QWidget* parent)
    : QDialog(parent), module_(module), prompter_(prompter) {
    setWindowTitle(QStringLiteral("Сокращения со знаками препинания"));
    resize(480, 400);
    auto* top = new QHBoxLayout;
    auto* insert = new QPushButton(QStringLiteral("+"), this);
    auto* remove = new QPushButton(QStringLiteral("-"), this);
    btnOnlyModif = new QPushButton(QStringLiteral("Измененные"), this);
    btnOnlyModif->setToolTip(QStringLiteral("Просмотр только сокращений, измененных пользователем"));
    btnOnlyModif->setCheckable(true);
    for (QPushButton* b : {insert, remove, btnOnlyModif}) top->addWidget(b);
    top->addStretch();
    grd = new TMyDBGrid(this);
    model_ = new TAbbrModel(module_.tblAbbr(), this);
    grd->setModel(model_);
    grd->SetBaseWidths({100, 100});
    auto* bottom = new QHBoxLayout;
    btnEdit = new QPushButton(QStringLiteral("Правка..."), this);
    btnEdit->setToolTip(QStringLiteral("Редактирование выбранного сокращения"));
    btnEdit->setDefault(true);
    btnClose = new QPushButton(QStringLiteral("Закрыть"), this);
    btnClose->setToolTip(QStringLiteral("Закрыть окно"));
    bottom->addStretch();
    bottom->addWidget(btnEdit);
    bottom->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grd, 1);
    layout->addLayout(bottom);
    connect(insert, &QPushButton::clicked, this, &TfBrAbbr::InsertPair);
    connect(remove, &QPushButton::clicked, this, &TfBrAbbr::DeleteCurrent);
    connect(btnOnlyModif, &QPushButton::toggled, this, [this] { Keeping([](int32_t&) {}); });
    connect(btnEdit, &QPushButton::clicked, this, &TfBrAbbr::EditCurrent);
    connect(grd, &QAbstractItemView::doubleClicked, this, &TfBrAbbr::EditCurrent);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    model_->Select(false);
    if (model_->Size() > 0) grd->setCurrentIndex(model_->index(0, 0));
}

int32_t TfBrAbbr::CurrentNo() const { return model_->NoAt(grd->currentIndex().row()); }

bool TfBrAbbr::Locate(int32_t no) {
    for (int row = 0; row < model_->Size(); ++row)
        if (model_->NoAt(row) == no) {
            grd->setCurrentIndex(model_->index(row, 0));
            return true;
        }
    return false;
}

void TfBrAbbr::Keeping(const std::function<void(int32_t&)>& action) {
    const int row = grd->currentIndex().row();
    int32_t here = CurrentNo();
    const int32_t next = model_->NoAt(row + 1);
    struct Restore {
        TfBrAbbr& w;
        int32_t& here;
        int32_t next;
        ~Restore() {
            w.model_->Select(w.btnOnlyModif->isChecked());
            if (!w.Locate(here) && !(next && w.Locate(next)) && w.model_->Size() > 0)
                w.grd->setCurrentIndex(w.model_->index(0, 0));
        }
    } restore{*this, here, next};
    action(here);
}

void TfBrAbbr::EditCurrent() {
    if (CurrentNo() == 0) return;
    Keeping([&](int32_t& here) {
        int32_t no = here;
        if (EditAbbreviation(module_, prompter_, no, 1, {}, this)) here = no;
    });
}

void TfBrAbbr::InsertPair() {
    Keeping([&](int32_t& here) {
        int32_t no = 0;
        if (EditAbbreviation(module_, prompter_, no, 1, {}, this)) here = no;
    });
}

void TfBrAbbr::DeleteCurrent() {
    const int32_t no = CurrentNo();
    if (no == 0 || prompter_.Ask(this, QStringLiteral("Confirm"), QStringLiteral("Delete record?"), TButtons::OkCancel,
                                 TIcon::Question, TAnswer::Ok) != TAnswer::Ok)
        return;
    Keeping([&](int32_t&) { module_.DeleteAbbreviation(no); });
}

}  // namespace kunimor::app
