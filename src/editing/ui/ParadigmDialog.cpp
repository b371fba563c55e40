#include "editing/ui/ParadigmDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "dictionary/BelModule.h"
#include "editing/BelEditModule.h"
#include "editing/ui/DoneCancelButtons.h"
#include "editing/EntryFieldInput.h"
#include "editing/ui/EntryField.h"
#include "editing/ui/WordEditors.h"
#include "ground/NormalizeWord.h"
#include "ground/OrthoAnalyzer.h"
#include "morphology/FormStemSeeker.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/KindNames.h"
#include "morphology/WordKind.h"

namespace kunimor::app {

namespace {

constexpr int kMainColumn = 2, kAltColumn = 3;

std::string QuestionOf(TBelModule& m, int lang, int kind, int slot, bool alt) {
    Table& t = m.tblWForms();
    for (bool a : {alt, false})
        if (t.Locate("Lang;Kind;No;Alt", {Value(int32_t{lang}), Value(int32_t{kind}), Value(int32_t{slot}), Value(a)}))
            return t.GetString(WFormsField::Quest);
    return {};
}

// The form of slot in the edit: built from the stem and the forms text, or
// read from the full forms when there is no stem.
std::string FormOf(const TParadigmEdit& edit, int slot, bool alt) {
    if (edit.Stem.empty()) {
        std::string_view entry = FormEnding(edit.Forms, slot, alt);
        return std::string(entry);
    }
    if (edit.Forms.empty()) return edit.Stem;
    std::string form;
    TryBuildForm(edit.Lang, edit.Stem, edit.Forms, true, form, alt, slot);
    return form;
}

std::string CellText(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? ToEngine(item->text().trimmed()).text : std::string();
}

}  // namespace

TfrmEdEtalon::TfrmEdEtalon(TWordEditors& editors, const TParadigmEdit& edit, bool kindChangeable)
    : QDialog(editors.Parent), editors_(editors), result_(edit) {
    setWindowTitle(QStringLiteral("Редактирование эталона"));
    auto* layout = new QVBoxLayout(this);
    cbKind = new QComboBox(this);
    for (int kind = 1; kind <= 5; ++kind) cbKind->addItem(FromCp1251(KindName(edit.Lang, kind)));
    cbKind->setCurrentIndex(edit.Kind - 1);
    cbKind->setEnabled(kindChangeable);
    layout->addWidget(cbKind);
    auto* rod = new QGroupBox(QStringLiteral("Род / число"), this);
    auto* rodLayout = new QHBoxLayout(rod);
    rgRod = new QButtonGroup(this);
    for (int g = 1; g <= 4; ++g) {
        auto* item = new QRadioButton(FromCp1251(GenderName(edit.Lang, g)), rod);
        rgRod->addButton(item, g);
        rodLayout->addWidget(item);
    }
    if (edit.Gender >= 1 && edit.Gender <= 4) rgRod->button(edit.Gender)->setChecked(true);
    rod->setVisible(edit.Kind == kNoun);
    layout->addWidget(rod);
    const int slotCount = FormCount(edit.Kind);
    grdForms = new QTableWidget(slotCount, 4, this);
    grdForms->setHorizontalHeaderLabels(
        {QStringLiteral("№"), QStringLiteral("Наводящий вопрос"), QStringLiteral("Форма"), QStringLiteral("Альт. форма")});
    grdForms->verticalHeader()->hide();
    grdForms->horizontalHeader()->setStretchLastSection(true);
    for (int slot = 1; slot <= slotCount; ++slot) {
        auto* no = new QTableWidgetItem(QString::number(slot));
        no->setFlags(Qt::ItemIsEnabled);
        grdForms->setItem(slot - 1, 0, no);
        auto* question = new QTableWidgetItem(FromCp1251(QuestionOf(editors.Module, edit.Lang, edit.Kind, slot, false)));
        question->setFlags(Qt::ItemIsEnabled);
        grdForms->setItem(slot - 1, 1, question);
        for (bool alt : {false, true})
            grdForms->setItem(slot - 1, alt ? kAltColumn : kMainColumn, new QTableWidgetItem(FromCp1251(FormOf(edit, slot, alt))));
    }
    grdForms->resizeColumnsToContents();
    layout->addWidget(grdForms, 1);
    cbOrfo = new QCheckBox(QStringLiteral("Орфография"), this);
    cbOrfo->setChecked(true);
    layout->addWidget(cbOrfo);
    layout->addWidget(DoneCancelButtons(this));
    resize(560, 480);
    grdForms->setCurrentCell(0, kMainColumn);
    grdForms->setFocus();
}

bool TfrmEdEtalon::FormAccepted(int row, int column) {
    std::string form = NormalizeEditText(result_.Lang, CellText(grdForms, row, column));
    auto refuse = [&] {
        grdForms->item(row, column)->setText(FromCp1251(form));
        grdForms->setCurrentCell(row, column);
        return false;
    };
    if (form.empty()) return true;
    if (!CheckEntryText(editors_.Prompter, this, result_.Lang, form, false, false)) return refuse();
    grdForms->item(row, column)->setText(FromCp1251(form));
    if (!cbOrfo->isChecked()) return true;
    TOrthoAnalyzer analyzer;
    analyzer.SetSpellLanguage(result_.Lang, true);
    const int verdict = analyzer.CheckWord(0, form);
    if (verdict == kSpellWarning) {
        if (editors_.Prompter.Ask(this, QStringLiteral("Warning"),
                                  QStringLiteral("Возможно, форма \"%1\" написана неправильно:\r%2\rВсе равно сохранить?")
                                      .arg(FromCp1251(form), FromCp1251(analyzer.SpellExplanation)),
                                  TButtons::YesNoCancel, TIcon::Warning, TAnswer::No) == TAnswer::Yes) {
            ProcessFreqLists().AddWordTrigrams(form);
            return true;
        }
    } else if (verdict == kSpellError) {
        editors_.Prompter.Ask(this, QStringLiteral("Error"),
                              QStringLiteral("Форма \"%1\" содержит ошибки:\r%2")
                                  .arg(FromCp1251(form), FromCp1251(analyzer.SpellExplanation)),
                              TButtons::Ok, TIcon::Error, TAnswer::Ok);
    } else {
        return true;
    }
    if (!analyzer.SpellSuggestions.empty()) form = analyzer.SpellSuggestions.back();
    return refuse();
}

void TfrmEdEtalon::accept() {
    const int kind = cbKind->currentIndex() + 1;
    if (kind == kNoun && rgRod->checkedId() < 1) {
        editors_.Prompter.Ask(this, QStringLiteral("Warning"), QStringLiteral("Не определен род/число существительного!"),
                              TButtons::Ok, TIcon::Warning, TAnswer::Ok);
        rgRod->button(1)->setFocus();
        return;
    }
    TStemSeeker seeker(result_.Lang, FormCount(kind));
    for (int row = 0; row < grdForms->rowCount(); ++row)
        for (int column : {kMainColumn, kAltColumn}) {
            if (!FormAccepted(row, column)) return;
            seeker.SetForm(row + 1, column == kAltColumn, CellText(grdForms, row, column));
        }
    int formNo = 0;
    bool alt = false;
    std::string suggestion;
    if (IsVerb(kind) && !seeker.CheckReflexiveForms(formNo, alt, suggestion)) {
        grdForms->setCurrentCell(formNo - 1, alt ? kAltColumn : kMainColumn);
        if (editors_.Prompter.Ask(this, QStringLiteral("Warning"),
                                  QStringLiteral("Обнаружена форма возвратного глагола,\rкоторая не соответствует форме "
                                                 "невозвратного глагола.\rИсправить все такие формы автоматически?"),
                                  TButtons::YesNo, TIcon::Warning, TAnswer::No) == TAnswer::Yes) {
            do {
                grdForms->item(formNo - 1, alt ? kAltColumn : kMainColumn)->setText(FromCp1251(suggestion));
                seeker.SetForm(formNo, alt, suggestion);
            } while (!seeker.CheckReflexiveForms(formNo, alt, suggestion));
        }
        return;
    }
    if (!seeker.FindStemAndForms()) {
        editors_.Prompter.Ask(this, QStringLiteral("Warning"),
                              QStringLiteral("Формы слова не согласованы между собой.\rПроверьте их еще раз."),
                              TButtons::Ok, TIcon::Warning, TAnswer::Ok);
        grdForms->setFocus();
        return;
    }
    result_.Stem = seeker.BestStem;
    result_.Forms = seeker.BestForms;
    result_.Kind = kind;
    result_.Gender = kind == kNoun ? rgRod->checkedId() : 0;
    QDialog::accept();
}

bool EditParadigm(TWordEditors& editors, TParadigmEdit& edit, bool kindChangeable) {
    TfrmEdEtalon dialog(editors, edit, kindChangeable);
    if (dialog.exec() != QDialog::Accepted) return false;
    edit = dialog.Result();
    return true;
}

}  // namespace kunimor::app
