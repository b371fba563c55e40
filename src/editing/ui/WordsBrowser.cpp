#include "editing/ui/WordsBrowser.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "dictionary/DirectionSwitch.h"
#include "editing/ui/BrowserHooks.h"
#include "editing/ui/ProportionalGrid.h"
#include "editing/ui/WordsModel.h"
#include "ground/LetterCase.h"
#include "morphology/FormSynthesis.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kunimor::app {

namespace {

int openBrowsers = 0;  // words browsers open now, the outermost first

QString LanguageName(int lang) { return lang == 1 ? QStringLiteral("Беларуская мова") : QStringLiteral("Русский язык"); }

QToolButton* ToolButton(QWidget* parent, const QString& text, const QString& hint, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    return b;
}

}  // namespace

TfrmBrWords::TfrmBrWords(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent)
    : QDialog(parent), module_(module), prompter_(prompter), lang_(lang == 1 ? 1 : 0), selection_(module, lang_) {
    setMinimumSize(430, 300);
    resize(620, 480);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Поиск слова:"), this));
    edtLemma = new QLineEdit(this);
    top->addWidget(edtLemma, 1);
    btnLemmaSearch = ToolButton(this, QStringLiteral("*"), QStringLiteral("Поиск слова по шаблону"), false);
    btnEtalonFilter =
        ToolButton(this, QStringLiteral("Э"), QStringLiteral("Отбор слов с эталоном как у выбранного слова"), true);
    btnOnlyModif = ToolButton(this, QStringLiteral("И"), QStringLiteral("Отбор слов, измененных пользователем"), true);
    btnNontransFilter = ToolButton(this, QStringLiteral("П"), QStringLiteral("Отбор слов без перевода"), true);
    sbAbbrev = ToolButton(this, QStringLiteral("Имя"), QStringLiteral("Пометить как Имя Собственное"), false);
    for (QToolButton* b : {btnLemmaSearch, btnEtalonFilter, btnOnlyModif, btnNontransFilter, sbAbbrev}) top->addWidget(b);
    auto* first = ToolButton(this, QStringLiteral("|<"), QStringLiteral("Первая запись"), false);
    auto* last = ToolButton(this, QStringLiteral(">|"), QStringLiteral("Последняя запись"), false);
    auto* insert = ToolButton(this, QStringLiteral("+"), QStringLiteral("Добавить слово"), false);
    auto* remove = ToolButton(this, QStringLiteral("-"), QStringLiteral("Удалить слово"), false);
    for (QToolButton* b : {first, last, insert, remove}) top->addWidget(b);

    grdWords = new TMyDBGrid(this);
    model_ = new TWordsModel(module_, selection_, this);
    grdWords->setModel(model_);
    grdWords->SetBaseWidths({90, 150, 70, 200});

    auto* glossary = new QGroupBox(QStringLiteral("Толкование текущего слова:"), this);
    mmGlossary = new QPlainTextEdit(glossary);
    mmGlossary->setReadOnly(true);
    mmGlossary->setMaximumHeight(70);
    (new QVBoxLayout(glossary))->addWidget(mmGlossary);

    auto* bottom = new QHBoxLayout;
    stPos = new QLabel(this);
    bottom->addWidget(stPos, 1);
    btnEdit = new QPushButton(QStringLiteral("Переводы..."), this);
    btnEdit->setToolTip(QStringLiteral("Просмотр переводов выбранного слова"));
    btnEdit->setDefault(true);
    btnClose = new QPushButton(QStringLiteral("Закрыть"), this);
    btnClose->setToolTip(QStringLiteral("Закрыть окно"));
    bottom->addWidget(btnEdit);
    bottom->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdWords, 1);
    layout->addWidget(glossary);
    layout->addLayout(bottom);

    connect(edtLemma, &QLineEdit::textChanged, this, &TfrmBrWords::Search);
    connect(btnLemmaSearch, &QToolButton::clicked, this, &TfrmBrWords::ApplyPattern);
    connect(btnEtalonFilter, &QToolButton::toggled, this, [this](bool down) {
        filter_.Paradigm = 0;
        if (down) {
            const int row = CurrentRow();
            if (row < 0 || selection_.EtalonNoAt(row) < 0) {
                const QSignalBlocker block(btnEtalonFilter);
                btnEtalonFilter->setChecked(false);
                return;
            }
            filter_.Paradigm = selection_.EtalonNoAt(row);
        }
        ApplyFilters(true);
    });
    connect(btnOnlyModif, &QToolButton::toggled, this, [this](bool down) {
        filter_.OnlyModified = down;
        ApplyFilters(true);
    });
    connect(btnNontransFilter, &QToolButton::toggled, this, [this](bool down) {
        filter_.Untranslated = down;
        ApplyFilters(true);
    });
    connect(sbAbbrev, &QToolButton::clicked, this, &TfrmBrWords::ToggleProperName);
    connect(first, &QToolButton::clicked, this, [this] { GoToRow(0); });
    connect(last, &QToolButton::clicked, this, [this] { GoToRow(selection_.Size() - 1); });
    connect(insert, &QToolButton::clicked, this, &TfrmBrWords::InsertWord);
    connect(remove, &QToolButton::clicked, this, &TfrmBrWords::DeleteWord);
    connect(grdWords, &QAbstractItemView::doubleClicked, this, &TfrmBrWords::OpenArticle);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmBrWords::OpenArticle);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdWords->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TfrmBrWords::RefreshStatus);
    edtLemma->installEventFilter(this);
    grdWords->installEventFilter(this);

    model_->Select(filter_, true);
    GoToRow(0);
    const QString caption = QStringLiteral("Словарь (%1)").arg(LanguageName(lang_));
    setWindowTitle(openBrowsers == 0 ? caption : QStringLiteral("%1 :%2").arg(caption).arg(openBrowsers + 1));
    ++openBrowsers;
}

TfrmBrWords::~TfrmBrWords() { --openBrowsers; }

void TfrmBrWords::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (openBrowsers > 1 && parentWidget()) move(parentWidget()->window()->pos() + QPoint(10, 15));
    grdWords->setFocus();
}

int TfrmBrWords::CurrentRow() const {
    const int row = grdWords->currentIndex().row();
    return row >= 0 && row < selection_.Size() ? row : -1;
}

int32_t TfrmBrWords::CurrentNo() const {
    const int row = CurrentRow();
    return row < 0 ? 0 : selection_.NoAt(row);
}

void TfrmBrWords::GoToRow(int row) {
    if (row >= 0 && row < selection_.Size()) {
        const QModelIndex at = model_->index(row, TWordsModel::colLemma);
        grdWords->setCurrentIndex(at);
        grdWords->scrollTo(at, QAbstractItemView::PositionAtCenter);
    }
    RefreshStatus();
}

bool TfrmBrWords::Locate(int32_t no) {
    const int row = selection_.RowOfNo(no);
    if (row >= 0) GoToRow(row);
    return row >= 0;
}

void TfrmBrWords::Search(const QString& text) {
    const std::string prefix = LowerCaseCyr(ToEngine(text).text);
    const int row = selection_.FirstWithPrefix(prefix);
    if (row >= 0) GoToRow(row);
}

void TfrmBrWords::ApplyPattern() {
    const bool isPattern = filter_.TakePattern(LowerCaseCyr(ToEngine(edtLemma->text()).text));
    ApplyFilters(true);
    if (!isPattern) Search(edtLemma->text());
}

void TfrmBrWords::ApplyFilters(bool recount) {
    const int32_t here = CurrentNo();
    model_->Select(filter_, recount);
    if (!Locate(here)) GoToRow(0);
}

void TfrmBrWords::RefreshStatus() {
    const int row = CurrentRow();
    if (filter_.Active())
        stPos->setText(QStringLiteral("Отобрано: %1 записей").arg(selection_.Counted()));
    else
        stPos->setText(QStringLiteral("Запись %1 из %2").arg(row + 1).arg(selection_.Size()));
    mmGlossary->clear();
    if (row < 0 || selection_.EtalonNoAt(row) < 0) return;
    module_.LoadEtalon(lang_, selection_.EtalonNoAt(row));
    bool alt = false;
    int form = 1;
    const std::string title = BuildFirstForm(lang_, selection_.OsnovaAt(row), module_.CurEtalon.Forms, 1, alt, form);
    if (!title.empty() && module_.FindGlossary(lang_, title) > 0)
        mmGlossary->setPlainText(FromCp1251(module_.CurGlossary.Text));
}

void TfrmBrWords::Keeping(const std::function<void()>& action) {
    const int row = CurrentRow();
    const int32_t here = CurrentNo();
    const int32_t next = row >= 0 && row + 1 < selection_.Size() ? selection_.NoAt(row + 1) : 0;
    struct Restore {
        TfrmBrWords& w;
        int32_t here, next;
        ~Restore() {
            w.model_->SetDrawing(true);
            w.model_->Select(w.filter_, false);
            if (!w.Locate(here) && !(next && w.Locate(next))) w.GoToRow(0);
        }
    } restore{*this, here, next};
    model_->SetDrawing(false);
    action();
}

void TfrmBrWords::OpenArticle() {
    const int32_t no = CurrentNo();
    if (no == 0 || !BrowserHooks().OpenArticle) return;
    Keeping([&] { BrowserHooks().OpenArticle(this, module_, lang_, no); });
}

void TfrmBrWords::InsertWord() {
    if (!BrowserHooks().AddNewEntry) return;
    std::string text = ToEngine(edtLemma->text()).text;
    if (text.empty() && CurrentRow() >= 0) text = selection_.LemmaAt(CurrentRow());
    Keeping([&] { BrowserHooks().AddNewEntry(this, module_, lang_, text, 8); });
}

void TfrmBrWords::DeleteWord() {
    const int32_t no = CurrentNo();
    if (no == 0) return;
    if (prompter_.Ask(this, QStringLiteral("Confirm"), QStringLiteral("Вы действительно хотите удалить текущее слово?"),
                      TButtons::OkCancel, TIcon::Question, TAnswer::Ok) != TAnswer::Ok)
        return;
    const QString lemma = FromCp1251(selection_.LemmaAt(CurrentRow()));
    Keeping([&] {
        if (module_.IsProtectedWord(lang_, no)) {
            prompter_.Ask(this, QStringLiteral("Warning"),
                          QStringLiteral("Слово \"%1\" имеет специальное назначение.\r\nВы не можете его удалить").arg(lemma),
                          TButtons::Ok, TIcon::Warning, TAnswer::Ok);
            return;
        }
        if (const int32_t colloc = module_.ForEachCollocOfWord(lang_, no, nullptr); colloc > 0) {
            module_.LoadColloc(lang_, colloc);
            int alt = 0, form = 0;
            const std::string text = module_.CollocTextAny(lang_, module_.CurColloc, 30, alt, form);
            if (prompter_.Ask(this, QStringLiteral("Warning"),
                              QStringLiteral("Удаляемое слово содержится в словосочетаниях,\rнапример: \"%1\".\r"
                                             "Все такие сочетания также будут удалены.\rПродолжить?")
                                  .arg(FromCp1251(text)),
                              TButtons::YesNo, TIcon::Warning, TAnswer::No) != TAnswer::Yes)
                return;
        }
        module_.DeleteWord(lang_, no, true);
    });
}

void TfrmBrWords::ToggleProperName() {
    const int32_t no = CurrentNo();
    if (no == 0) return;
    module_.LoadWord(lang_, no);
    if (module_.CurWord.EtalonNo < 0) return;
    module_.LoadEtalon(lang_, module_.CurWord.EtalonNo);
    if (module_.CurEtalon.Kind != kNoun) return;
    const auto tag = static_cast<int16_t>(module_.CurWord.Tag ^ 8);
    Keeping([&] { module_.SetEntryTag(lang_, kNoun, false, tag, no); });
    grdWords->setFocus();
}

bool TfrmBrWords::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    if (watched == edtLemma) {
        if (ctrl && key->key() == Qt::Key_N) {
            InsertWord();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OpenArticle();
            return true;
        }
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
            key->key() == Qt::Key_PageDown) {
            grdWords->setFocus();
            QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(grdWords, &again);
            return true;
        }
    } else if (watched == grdWords) {
        if (ctrl && key->key() == Qt::Key_Delete) {
            DeleteWord();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OpenArticle();
            return true;
        }
        // Typing anywhere searches.
        if (!ctrl && !key->text().isEmpty() && key->text().front().isPrint()) {
            edtLemma->setFocus();
            edtLemma->insert(key->text().toLower());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BrowseWords(TBelEditModule& module, TPrompter& prompter, int lang, QWidget* parent, int32_t no) {
    const TDirectionSwitch direction(module, lang);
    TfrmBrWords browser(module, prompter, lang, parent);
    if (no > 0) browser.Locate(no);
    browser.exec();
}

}  // namespace kunimor::app
