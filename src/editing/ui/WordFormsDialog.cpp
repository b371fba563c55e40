#include "editing/ui/WordFormsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "dictionary/BelModule.h"
#include "editing/BelEditModule.h"
#include "editing/EntryFieldInput.h"
#include "editing/ui/EntryField.h"
#include "editing/ui/ParadigmDialog.h"
#include "editing/ui/WordEditors.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/OrthoAnalyzer.h"
#include "morphology/KindNames.h"

namespace kunimor::app {

TfrmSklonenie::TfrmSklonenie(TWordEditors& editors, int lang, int kind, const std::string& word, int16_t tag,
                             int32_t wordNo)
    : QDialog(editors.Parent), editors_(editors), session_(editors.Module, lang, kind, word, tag), wordNo_(wordNo) {
    setWindowTitle(QStringLiteral("Формы слова \"%1\" - %2").arg(FromCp1251(word), FromCp1251(KindName(lang, kind))));
    auto* layout = new QVBoxLayout(this);
    history_ = new QVBoxLayout;
    layout->addLayout(history_);
    lblQuestion = new QLabel(this);
    layout->addWidget(lblQuestion);
    edtForm = new TEntryField(lang, this);
    layout->addWidget(edtForm);
    auto* buttons = new QHBoxLayout;
    btnNext = new QPushButton(QStringLiteral("Далее"), this);
    btnApply = new QPushButton(QStringLiteral("Применить"), this);
    btnBack = new QPushButton(QStringLiteral("Вернуться"), this);
    btnNext->setDefault(true);
    for (QPushButton* b : {btnNext, btnApply, btnBack}) buttons->addWidget(b);
    layout->addLayout(buttons);
    grdCandidates = new QTableWidget(0, 2, this);
    grdCandidates->horizontalHeader()->hide();
    grdCandidates->verticalHeader()->hide();
    grdCandidates->horizontalHeader()->setStretchLastSection(true);
    grdCandidates->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCandidates->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCandidates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCandidates->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(grdCandidates, 1);
    auto* autoU = new QCheckBox(QStringLiteral("Сачыць за \"ў-у\""), this);
    autoU->setVisible(lang == kBelarusian);
    autoU->setChecked(WatchShortU);
    connect(autoU, &QCheckBox::toggled, this, [](bool on) { WatchShortU = on; });
    layout->addWidget(autoU);
    stDescription = new QLabel(this);
    layout->addWidget(stDescription);
    edtForm->installEventFilter(this);
    setTabOrder(edtForm, btnNext);
    setTabOrder(btnNext, btnApply);
    setTabOrder(btnApply, btnBack);

    connect(btnNext, &QPushButton::clicked, this, &TfrmSklonenie::Next);
    connect(btnApply, &QPushButton::clicked, this, &TfrmSklonenie::Apply);
    connect(btnBack, &QPushButton::clicked, this, &TfrmSklonenie::Back);
    connect(grdCandidates, &QTableWidget::itemSelectionChanged, this, &TfrmSklonenie::ShowProposal);
    connect(grdCandidates, &QTableWidget::cellDoubleClicked, this, [this] { Next(); });
    resize(420, 360);
    ShowQuestion();
}

void TfrmSklonenie::ShowQuestion() {
    const QSignalBlocker quiet(grdCandidates);
    const auto& candidates = session_.Candidates();
    grdCandidates->setRowCount(static_cast<int>(candidates.size()));
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        const QString key = i < 10 ? QStringLiteral("[%1]").arg((i + 1) % 10) : QString();
        grdCandidates->setItem(i, 0, new QTableWidgetItem(key));
        grdCandidates->setItem(i, 1,
                               new QTableWidgetItem(QStringLiteral("%1 (%2)").arg(
                                   FromCp1251(candidates[static_cast<size_t>(i)].Osnova),
                                   FromCp1251(session_.CandidateForm(i)))));
    }
    grdCandidates->resizeColumnToContents(0);
    stDescription->setText(FromCp1251(session_.Description()));
    QString question = FromCp1251(session_.Question());
    if (session_.Alt()) question = QStringLiteral("(альт.) ") + question;
    lblQuestion->setText(question);
    lblQuestion->setEnabled(!session_.Alt());
    btnBack->setEnabled(session_.CanGoBack());
    btnApply->setEnabled(session_.Slot() < session_.SlotCount() || (session_.Kind() == 2 && !session_.Alt()));
    if (!candidates.empty()) grdCandidates->selectRow(0);
    ShowProposal();
    edtForm->setFocus();
}

void TfrmSklonenie::ShowProposal() {
    const int row = grdCandidates->currentRow();
    edtForm->SetText(session_.Proposal(row < 0 ? 0 : row));
    edtForm->selectAll();
}

bool TfrmSklonenie::FormSpellingAccepted(std::string& form) {
    if (form.empty()) return true;
    TOrthoAnalyzer analyzer;
    analyzer.EuristicAnalyze = Settings.EuristicAnalyze;
    analyzer.ShowWarnings = Settings.ShowWarnings;
    analyzer.SetSpellLanguage(session_.Lang(), true);
    const int verdict = analyzer.CheckWord(0, form);
    if (verdict != kSpellError && verdict != kSpellWarning) return true;
    const bool error = verdict == kSpellError;
    const QString text =
        (error ? QStringLiteral("Форма \"%1\" содержит ошибки:\r%2\rВсе равно перейти к следующей форме?")
               : QStringLiteral("Возможно, форма \"%1\" написана неправильно:\r%2\rВсе равно перейти к следующей форме?"))
            .arg(FromCp1251(form), FromCp1251(analyzer.SpellExplanation));
    if (editors_.Prompter.Ask(this, error ? QStringLiteral("Error") : QStringLiteral("Warning"), text,
                              TButtons::YesNoCancel, error ? TIcon::Error : TIcon::Warning,
                              TAnswer::No) == TAnswer::Yes) {
        if (!error) ProcessFreqLists().AddWordTrigrams(form);
        return true;
    }
    if (!analyzer.SpellSuggestions.empty()) edtForm->SetText(analyzer.SpellSuggestions.front());
    return false;
}

void TfrmSklonenie::Next() {
    std::string form = edtForm->Text();
    if (!CheckEntryText(editors_.Prompter, this, session_.Lang(), form, false, false)) return;
    if (!FormSpellingAccepted(form)) return;
    switch (session_.Accept(form)) {
        case TWordFormsSession::TStep::Done:
            Complete();
            return;
        case TWordFormsSession::TStep::NoCandidate:
            if (OfferNewParadigm()) return;
            session_.Back();
            break;
        case TWordFormsSession::TStep::More: break;
    }
    ShowQuestion();
}

void TfrmSklonenie::Apply() {
    const int row = grdCandidates->currentRow();
    if (row < 0 || session_.Slot() >= session_.SlotCount()) return;
    session_.ApplyCandidate(row);
    ShowQuestion();
}

void TfrmSklonenie::Back() {
    session_.Back();
    ShowQuestion();
}

bool TfrmSklonenie::Complete() {
    try {
        wordNo_ = session_.Store(wordNo_);
    } catch (const std::exception& e) {
        editors_.Prompter.Ask(this, QStringLiteral("Error"), FromCp1251(e.what()), TButtons::Ok, TIcon::Error,
                              TAnswer::Ok);
        return false;
    }
    QDialog::accept();
    return true;
}

bool TfrmSklonenie::OfferNewParadigm() {
    QString text = QStringLiteral("Невозможно подобрать эталон, который\rизменялся бы так же, как и слово \"%1\".")
                       .arg(FromCp1251(session_.Word()));
    if (!Settings.AdvTrans) {
        editors_.Prompter.Ask(this, QStringLiteral("Warning"), text, TButtons::Ok, TIcon::Warning, TAnswer::Ok);
        return false;
    }
    text += QStringLiteral("\rХотите ли Вы добавить это слово в список\rэталонных слов программы?");
    if (editors_.Prompter.Ask(this, QStringLiteral("Warning"), text, TButtons::YesNo, TIcon::Warning, TAnswer::No) !=
        TAnswer::Yes)
        return false;
    TParadigmEdit edit{session_.Lang(), "", session_.Kind(), 0, session_.EnteredForms()};
    if (!EditParadigm(editors_, edit, false)) return false;
    session_.UseNewParadigm(edit.Stem, edit.Forms, edit.Gender);
    return Complete();
}

// Digits pick a candidate row instead of being typed; Ctrl+Enter applies,
// Ctrl+Backspace goes back.
bool TfrmSklonenie::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    if (!ctrl && typed.size() == 1 && typed[0].isDigit()) {
        const int n = typed[0].unicode() == u'0' ? 10 : typed[0].unicode() - u'0';
        if (grdCandidates->rowCount() > 0) grdCandidates->selectRow(std::min(n, grdCandidates->rowCount()) - 1);
        return true;
    }
    if (ctrl && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        Apply();
        return true;
    }
    if (ctrl && key->key() == Qt::Key_Backspace) {
        if (btnBack->isEnabled()) Back();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool EditWordForms(TWordEditors& editors, int lang, int kind, const std::string& word, int16_t tag, int32_t& wordNo) {
    TfrmSklonenie dialog(editors, lang, kind, word, tag, wordNo);
    if (dialog.exec() != QDialog::Accepted) return false;
    wordNo = dialog.WordNo();
    return true;
}

}  // namespace kunimor::app
