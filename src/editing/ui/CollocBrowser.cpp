#include "editing/ui/CollocBrowser.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "editing/EntryLabels.h"
#include "editing/ui/BrowserHooks.h"
#include "editing/ui/ProportionalGrid.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kunimor::app {

namespace {

int openBrowsers = 0;  // collocation browsers open now

}  // namespace

// "Тип", "Тематика", then the five words with the separators between them.
class TCollocModel : public QAbstractTableModel {
public:
    TCollocModel(TBelEditModule& module, TCollocSelection& selection, QObject* parent)
        : QAbstractTableModel(parent), module_(module), selection_(selection) {}

    void Select(int kind, bool onlyModified) {
        beginResetModel();
        selection_.Select(kind, onlyModified);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : selection_.Size(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 11; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= selection_.Size() || selection_.Stale())
            return {};
        const int row = index.row(), lang = selection_.Lang();
        if (index.column() == 0) return FromCp1251(KindAbbreviation(lang, selection_.KindAt(row)));
        if (index.column() == 1) return FromCp1251(ThemeLabel(module_, lang, selection_.TagAt(row)));
        const int k = (index.column() - 2) / 2 + 1;
        try {
            return FromCp1251(index.column() % 2 == 0 ? selection_.WordAt(row, k) : selection_.DelimAt(row, k));
        } catch (const std::exception&) {
            return QStringLiteral("?");  // a dead member must not stop the list from drawing
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Vertical) return QString();
        if (section == 0) return QStringLiteral("Тип");
        if (section == 1) return QStringLiteral("Тематика");
        const int k = (section - 2) / 2 + 1;
        if (section % 2 == 1) return QString::number(k);
        return (selection_.Lang() == 1 ? QStringLiteral("Слова %1") : QStringLiteral("Слово %1")).arg(k);
    }

private:
    TBelEditModule& module_;
    TCollocSelection& selection_;
};

TfrmBrColloc::TfrmBrColloc(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent)
    : QDialog(parent), module_(module), prompter_(prompter), lang_(lang == 1 ? 1 : 0), selection_(module, lang_) {
    setMinimumSize(493, 250);
    resize(720, 420);
    auto* top = new QHBoxLayout;
    btnFilter = new QPushButton(QStringLiteral("Фильтр по выбранному типу"), this);
    btnFilter->setToolTip(QStringLiteral("Просмотр только записей с типом как у текущего словосочетания"));
    btnOnlyModif = new QPushButton(QStringLiteral("Измененные записи"), this);
    btnOnlyModif->setToolTip(QStringLiteral("Просмотр только словосочетаний, измененных пользователем"));
    auto* insert = new QPushButton(QStringLiteral("+"), this);
    auto* remove = new QPushButton(QStringLiteral("-"), this);
    for (QPushButton* b : {btnFilter, btnOnlyModif}) b->setCheckable(true);
    for (QPushButton* b : {btnFilter, btnOnlyModif, insert, remove}) top->addWidget(b);
    top->addStretch();
    grdColloc = new TMyDBGrid(this);
    model_ = new TCollocModel(module_, selection_, this);
    grdColloc->setModel(model_);
    grdColloc->SetBaseWidths({60, 60, 90, 20, 90, 20, 90, 20, 90, 20, 90});
    auto* bottom = new QHBoxLayout;
    btnEdit = new QPushButton(QStringLiteral("Изменить..."), this);
    btnEdit->setToolTip(QStringLiteral("Изменить текущее словосочетание"));
    btnTranslations = new QPushButton(QStringLiteral("Переводы..."), this);
    btnTranslations->setToolTip(QStringLiteral("Просмотр переводов выбранного словосочетания"));
    btnTranslations->setDefault(true);
    btnClose = new QPushButton(QStringLiteral("Закрыть"), this);
    btnClose->setToolTip(QStringLiteral("Закрыть окно"));
    bottom->addStretch();
    for (QPushButton* b : {btnEdit, btnTranslations, btnClose}) bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdColloc, 1);
    layout->addLayout(bottom);

    connect(btnFilter, &QPushButton::toggled, this, [this](bool down) {
        kindFilter_ = -1;
        if (down && CurrentNo() != 0) kindFilter_ = selection_.KindAt(grdColloc->currentIndex().row());
        ApplyFilters();
    });
    connect(btnOnlyModif, &QPushButton::toggled, this, [this](bool down) {
        onlyModified_ = down;
        ApplyFilters();
    });
    connect(insert, &QPushButton::clicked, this, &TfrmBrColloc::InsertCollocation);
    connect(remove, &QPushButton::clicked, this, &TfrmBrColloc::DeleteCurrent);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmBrColloc::EditCurrent);
    connect(btnTranslations, &QPushButton::clicked, this, &TfrmBrColloc::OpenArticle);
    connect(grdColloc, &QAbstractItemView::doubleClicked, this, &TfrmBrColloc::OpenArticle);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    model_->Select(kindFilter_, onlyModified_);
    if (selection_.Size() > 0) grdColloc->setCurrentIndex(model_->index(0, 2));
    const QString caption = QStringLiteral("Словосочетания (%1)")
                                .arg(lang_ == 1 ? QStringLiteral("Беларуская мова") : QStringLiteral("Русский язык"));
    setWindowTitle(openBrowsers == 0 ? caption : QStringLiteral("%1 :%2").arg(caption).arg(openBrowsers + 1));
    ++openBrowsers;
}

TfrmBrColloc::~TfrmBrColloc() { --openBrowsers; }

int32_t TfrmBrColloc::CurrentNo() const {
    const int row = grdColloc->currentIndex().row();
    return row >= 0 && row < selection_.Size() && !selection_.Stale() ? selection_.NoAt(row) : 0;
}

bool TfrmBrColloc::Locate(int32_t no) {
    const int row = selection_.RowOfNo(no);
    if (row >= 0) grdColloc->setCurrentIndex(model_->index(row, 2));
    return row >= 0;
}

void TfrmBrColloc::ApplyFilters() {
    const int32_t here = CurrentNo();
    model_->Select(kindFilter_, onlyModified_);
    if (!Locate(here) && selection_.Size() > 0) grdColloc->setCurrentIndex(model_->index(0, 2));
}

void TfrmBrColloc::Keeping(const std::function<void(int32_t&)>& action) {
    const int row = grdColloc->currentIndex().row();
    int32_t here = CurrentNo();
    const int32_t next = here != 0 && row + 1 < selection_.Size() ? selection_.NoAt(row + 1) : 0;
    struct Restore {
        TfrmBrColloc& w;
        int32_t& here;
        int32_t next;
        ~Restore() {
            w.model_->Select(w.kindFilter_, w.onlyModified_);
            if (!w.Locate(here) && !(next && w.Locate(next)) && w.selection_.Size() > 0)
                w.grdColloc->setCurrentIndex(w.model_->index(0, 2));
        }
    } restore{*this, here, next};
    action(here);
}

void TfrmBrColloc::EditCurrent() {
    if (CurrentNo() == 0 || !BrowserHooks().EditCollocation) return;
    Keeping([&](int32_t& here) {
        int32_t no = here;
        if (BrowserHooks().EditCollocation(this, module_, lang_, no)) here = no;  // a save may renumber it
    });
}

void TfrmBrColloc::OpenArticle() {
    const int32_t no = CurrentNo();
    if (no == 0 || !BrowserHooks().OpenArticle) return;
    Keeping([&](int32_t&) { BrowserHooks().OpenArticle(this, module_, lang_, no); });
}

void TfrmBrColloc::InsertCollocation() {
    if (!BrowserHooks().AddNewEntry) return;
    Keeping([&](int32_t& here) {
        const int32_t no = BrowserHooks().AddNewEntry(this, module_, lang_, {}, 11);
        if (no > 0) here = no;
    });
}

void TfrmBrColloc::DeleteCurrent() {
    const int32_t no = CurrentNo();
    if (no == 0) return;
    if (prompter_.Ask(this, QStringLiteral("Confirm"), QStringLiteral("Delete record?"), TButtons::OkCancel,
                      TIcon::Question, TAnswer::Ok) != TAnswer::Ok)
        return;
    const int32_t firstWord = selection_.FirstWordAt(grdColloc->currentIndex().row());
    // The record, its links and the first word's flag go together.
    Keeping([&](int32_t&) { module_.DeleteCollocation(lang_, no, true, firstWord); });
}

void BrowseCollocations(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent, int32_t no) {
    TfrmBrColloc browser(module, prompter, lang, parent);
    if (no > 0) browser.Locate(no);
    browser.exec();
}

}  // namespace kunimor::app
