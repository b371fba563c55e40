#include "editing/ui/WordArticleDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DictionaryAutoSave.h"
#include "app/PaneText.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "editing/BelEditModule.h"
#include "editing/ui/WordEditors.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/KindNames.h"
#include "morphology/WordKind.h"

namespace kunimor::app {

namespace {

int nesting = 0;  // open article editors, for the caption

// The link boxes in the order of cbLinks, with their flags.
constexpr int kLinkFlag[4] = {1, 4, 8, 2};

}  // namespace

TfrmSlovo::TfrmSlovo(TWordEditors& editors, int32_t no) : QDialog(editors.Parent), Article(editors.Module), editors_(editors), no_(no) {
    setWindowTitle(nesting == 0 ? QStringLiteral("Словарная статья")
                                : QStringLiteral("Словарная статья :%1").arg(nesting + 1));
    ++nesting;
    auto* layout = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("Слова, похожие на:"), this));
    stLemma = new QLabel(this);
    header->addWidget(stLemma, 1);
    header->addWidget(new QLabel(SourceLang == kBelarusian ? QStringLiteral("Беларуская мова") : QStringLiteral("Русский язык"), this));
    layout->addLayout(header);
    grdWords = new QTableWidget(0, 1, this);
    grdWords->horizontalHeader()->hide();
    grdWords->verticalHeader()->hide();
    grdWords->horizontalHeader()->setStretchLastSection(true);
    grdWords->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdWords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont bold = grdWords->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    grdWords->setFont(bold);
    layout->addWidget(grdWords, 1);
    stWordKind = new QLabel(this);
    layout->addWidget(stWordKind);
    auto* transRow = new QHBoxLayout;
    lbTrans = new QListWidget(this);
    transRow->addWidget(lbTrans, 1);
    auto* buttons = new QVBoxLayout;
    btnAdd = new QPushButton(QStringLiteral("Добавить..."), this);
    btnDelete = new QPushButton(QStringLiteral("Удалить"), this);
    btnWordUp = new QPushButton(QStringLiteral("↑"), this);
    btnWordDown = new QPushButton(QStringLiteral("↓"), this);
    btnWordUp->setToolTip(QStringLiteral("Повысить приоритет перевода"));
    btnWordDown->setToolTip(QStringLiteral("Понизить приоритет перевода"));
    for (QPushButton* b : {btnAdd, btnDelete, btnWordUp, btnWordDown}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    transRow->addLayout(buttons);
    layout->addLayout(transRow);
    auto* gbLinks = new QGroupBox(QStringLiteral("Связи слова с переводами"), this);
    gbLinks->setVisible(Settings.AdvTrans);
    auto* links = new QGridLayout(gbLinks);
    for (int i = 0; i < 4; ++i) {
        cbLinks[static_cast<size_t>(i)] = new QCheckBox(gbLinks);
        links->addWidget(cbLinks[static_cast<size_t>(i)], i / 2, i % 2);
        connect(cbLinks[static_cast<size_t>(i)], &QCheckBox::toggled, this, &TfrmSlovo::LinkBoxChanged);
    }
    layout->addWidget(gbLinks);
    auto* done = new QPushButton(QStringLiteral("Готово"), this);
    done->setDefault(true);
    layout->addWidget(done, 0, Qt::AlignRight);

    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmSlovo::AddTranslation);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmSlovo::DeleteTranslation);
    connect(btnWordUp, &QPushButton::clicked, this, [this] { MovePriority(true); });
    connect(btnWordDown, &QPushButton::clicked, this, [this] { MovePriority(false); });
    connect(grdWords, &QTableWidget::itemSelectionChanged, this, &TfrmSlovo::ShowRow);
    connect(lbTrans, &QListWidget::currentRowChanged, this, &TfrmSlovo::ShowLinks);
    resize(460, 520);
    Rebuild(no, 0);
}

TfrmSlovo::~TfrmSlovo() { --nesting; }

int TfrmSlovo::Row() const {
    const int row = grdWords->currentRow();
    return row >= 0 && row < static_cast<int>(Article.Rows.size()) ? row : (Article.Rows.empty() ? -1 : 0);
}

int TfrmSlovo::Trans() const {
    const int row = Row();
    if (row < 0) return -1;
    const int trans = lbTrans->currentRow();
    const int count = static_cast<int>(Article.Rows[static_cast<size_t>(row)].Trans.size());
    return trans >= 0 && trans < count ? trans : (count > 0 ? 0 : -1);
}

bool TfrmSlovo::HasTranslation() const {
    const int row = Article.RowOf(no_);
    return row >= 0 && Article.Rows[static_cast<size_t>(row)].No == no_ &&
           !Article.Rows[static_cast<size_t>(row)].Trans.empty();
}

void TfrmSlovo::Rebuild(int32_t rowNo, int32_t transNo) {
    Article.Build(no_);
    if (Article.Rows.empty()) {
        QDialog::reject();
        return;
    }
    refreshing_ = true;
    grdWords->setRowCount(static_cast<int>(Article.Rows.size()));
    for (size_t i = 0; i < Article.Rows.size(); ++i)
        grdWords->setItem(static_cast<int>(i), 0, new QTableWidgetItem(FromCp1251(Article.Rows[i].Lemma)));
    const int own = Article.RowOf(no_);
    stLemma->setText(FromCp1251(Article.Rows[static_cast<size_t>(own)].Lemma));
    const int row = Article.RowOf(rowNo);
    grdWords->selectRow(row);
    refreshing_ = false;
    ShowRow();
    const auto& trans = Article.Rows[static_cast<size_t>(row)].Trans;
    for (size_t i = 0; i < trans.size(); ++i)
        if (trans[i].No == transNo) lbTrans->setCurrentRow(static_cast<int>(i));
}

void TfrmSlovo::ShowRow() {
    if (refreshing_) return;
    const int row = Row();
    if (row < 0) return;
    refreshing_ = true;
    const TArticleRow& r = Article.Rows[static_cast<size_t>(row)];
    stWordKind->setText(QStringLiteral("Часть речи: ") + FromCp1251(KindName(SourceLang, r.Kind)));
    lbTrans->clear();
    for (const TArticleTrans& t : r.Trans) lbTrans->addItem(FromCp1251(t.Text));
    if (!r.Trans.empty()) lbTrans->setCurrentRow(0);
    btnDelete->setEnabled(!r.Trans.empty());
    const bool isProtected = editors_.Module.IsProtectedWord(SourceLang, r.No);
    for (QPushButton* b : {btnAdd, btnDelete, btnWordUp, btnWordDown}) b->setEnabled(!isProtected && b->isEnabled());
    refreshing_ = false;
    ShowLinks();
}

void TfrmSlovo::ShowLinks() {
    if (refreshing_) return;
    const int row = Row(), trans = Trans();
    refreshing_ = true;
    const bool any = trans >= 0;
    const TArticleRow* r = row >= 0 ? &Article.Rows[static_cast<size_t>(row)] : nullptr;
    const TArticleTrans* t = any ? &r->Trans[static_cast<size_t>(trans)] : nullptr;
    const std::string* from[4] = {};
    const std::string* to[4] = {};
    if (t) {
        from[0] = &r->SgLemma, to[0] = &t->SgForm;
        from[1] = &r->SgLemma, to[1] = &t->PlForm;
        from[2] = &r->PlLemma, to[2] = &t->SgForm;
        from[3] = &r->PlLemma, to[3] = &t->PlForm;
    }
    const bool linked = r && (r->Kind == kNoun || IsVerb(r->Kind));
    bool red[2] = {false, false};
    for (int i = 0; i < 4; ++i) {
        QCheckBox* box = cbLinks[static_cast<size_t>(i)];
        const bool enabled = linked && t && !from[i]->empty() && !to[i]->empty();
        box->setEnabled(enabled);
        box->setText(enabled ? FromCp1251(*from[i]) + " --> " + FromCp1251(*to[i]) : QString());
        box->setChecked(enabled && (t->LinkFlags & kLinkFlag[i]));
    }
    for (int pair = 0; pair < 2; ++pair) {
        QCheckBox* a = cbLinks[static_cast<size_t>(2 * pair)];
        QCheckBox* b = cbLinks[static_cast<size_t>(2 * pair + 1)];
        red[pair] = (a->isEnabled() || b->isEnabled()) && !a->isChecked() && !b->isChecked();
        for (QCheckBox* box : {a, b}) {
            box->setStyleSheet(red[pair] ? QStringLiteral("color: red") : QString());
            if (red[pair] && box->isEnabled()) box->setText("!!! " + box->text());
        }
    }
    btnWordUp->setEnabled(t && (trans > 0 || t->Priority != 0));
    btnWordDown->setEnabled(t && (trans + 1 < static_cast<int>(r->Trans.size()) || t->Priority < 3));
    refreshing_ = false;
}

void TfrmSlovo::LinkBoxChanged() {
    if (refreshing_) return;
    const int row = Row(), trans = Trans();
    if (trans < 0) return;
    int flags = 0;
    for (int i = 0; i < 4; ++i)
        if (cbLinks[static_cast<size_t>(i)]->isChecked()) flags |= kLinkFlag[i];
    const int32_t rowNo = Article.Rows[static_cast<size_t>(row)].No;
    const int32_t transNo = Article.Rows[static_cast<size_t>(row)].Trans[static_cast<size_t>(trans)].No;
    Article.SetLinkFlags(row, trans, flags);
    Rebuild(rowNo, transNo);
}

void TfrmSlovo::AddTranslation() {
    const int row = Row();
    if (row < 0) return;
    const TArticleRow r = Article.Rows[static_cast<size_t>(row)];
    TEditInProgress editing;
    const int32_t added = app::AddTranslation(editors_, r.No, r.Lemma, r.Kind);
    Rebuild(r.No, added);
}

void TfrmSlovo::DeleteTranslation() {
    const int row = Row(), trans = Trans();
    if (trans < 0) return;
    const TArticleRow& r = Article.Rows[static_cast<size_t>(row)];
    const int32_t rowNo = r.No;
    if (editors_.Prompter.Ask(this, QStringLiteral("Confirm"),
                              QStringLiteral("Вы действительно хотите удалить\rперевод \"%1\"\rиз списка переводов?")
                                  .arg(FromCp1251(r.Trans[static_cast<size_t>(trans)].Text)),
                              TButtons::YesNoCancel, TIcon::Question, TAnswer::No) != TAnswer::Yes)
        return;
    Article.DeleteTranslation(row, trans);
    Rebuild(rowNo, 0);
}

void TfrmSlovo::MovePriority(bool up) {
    const int row = Row(), trans = Trans();
    if (trans < 0) return;
    const TArticleTrans& t = Article.Rows[static_cast<size_t>(row)].Trans[static_cast<size_t>(trans)];
    if (TWordArticle::TouchesExclusive(t.Priority, up) &&
        editors_.Prompter.Ask(this, QStringLiteral("Confirm"),
                              QStringLiteral("Вы пытаетесь изменить эксклюзивный приоритет.\rЭта степень приоритетности "
                                             "перевода используется только в\rисключительных случаях, так как может "
                                             "нарушить\rлогику работы алгоритма перевода.\r\rВы действительно хотите "
                                             "изменить приоритет этого перевода?"),
                              TButtons::YesNoCancel, TIcon::Question, TAnswer::No) != TAnswer::Yes)
        return;
    const int32_t rowNo = Article.Rows[static_cast<size_t>(row)].No, transNo = t.No;
    Article.MovePriority(row, trans, up);
    Rebuild(rowNo, transNo);
}

void TfrmSlovo::accept() {
    bool answered = false;
    for (const TWordArticle::TCloseProblem& p : Article.CloseProblems(Settings.CheckUntranslated)) {
        if (p.question) {
            if (answered) continue;
            if (editors_.Prompter.Ask(this, QStringLiteral("Confirm"), FromCp1251(p.message), TButtons::YesNo,
                                      TIcon::Warning, TAnswer::No) != TAnswer::Yes) {
                grdWords->setFocus();
                return;
            }
            answered = true;
            continue;
        }
        editors_.Prompter.Ask(this, QStringLiteral("Error"), FromCp1251(p.message), TButtons::Ok, TIcon::Error,
                              TAnswer::Ok);
        grdWords->selectRow(p.row);
        if (p.trans >= 0) lbTrans->setCurrentRow(p.trans);
        grdWords->setFocus();
        return;
    }
    QDialog::accept();
}

void TfrmSlovo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        AddTranslation();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EditWordArticle(TWordEditors& editors, int32_t no) {
    TfrmSlovo dialog(editors, no);
    if (dialog.Article.Rows.empty()) return false;
    dialog.exec();
    return dialog.HasTranslation();
}

}  // namespace kunimor::app
