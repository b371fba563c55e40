#include "editing/ui/AbbreviationEditor.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "editing/AbbreviationCheck.h"
#include "editing/BelEditModule.h"
#include "ground/Error.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kunimor::app {

namespace {

std::string Trimmed(const QString& text) { return ToEngine(text.trimmed()).text; }

}  // namespace

TfEdAbbr::TfEdAbbr(TBelEditModule& module, TPrompter& prompter, int32_t number, int lang, const std::string& text,
                   QWidget* parent)
    : QDialog(parent), module_(module), prompter_(prompter), number_(number) {
    setWindowTitle(QStringLiteral("Редактирование сокращения"));
    auto* layout = new QVBoxLayout(this);
    auto group = [&](const QString& caption, QLineEdit*& field, QPlainTextEdit*& memo) {
        auto* box = new QGroupBox(caption, this);
        auto* inner = new QVBoxLayout(box);
        field = new QLineEdit(box);
        field->setMaxLength(30);
        memo = new QPlainTextEdit(box);
        inner->addWidget(field);
        inner->addWidget(memo);
        layout->addWidget(box);
    };
    group(QStringLiteral("Сокращение на беларуском языке с расшифровкой"), eBel, mmBelExpansion);
    group(QStringLiteral("Сокращение на русском языке с расшифровкой"), eRus, mmRusExpansion);
    auto* buttons = new QHBoxLayout;
    btnDone = new QPushButton(QStringLiteral("Готово"), this);
    btnDone->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
    buttons->addStretch();
    buttons->addWidget(btnDone);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnDone, &QPushButton::clicked, this, &TfEdAbbr::Done);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    if (number_ > 0) {
        module_.LoadAbbr(number_);
        eBel->setText(FromCp1251(module_.CurAbbr.Bel));
        eRus->setText(FromCp1251(module_.CurAbbr.Rus));
    } else {
        (lang == 1 ? eBel : eRus)->setText(FromCp1251(text));
    }
    for (auto [l, field, memo, article] : {std::tuple{1, eBel, mmBelExpansion, &belArticle_},
                                           std::tuple{0, eRus, mmRusExpansion, &rusArticle_}}) {
        const std::string title = ToEngine(field->text()).text;
        *article = title.empty() ? -1 : module_.FindGlossary(l, title);
        if (*article > 0) memo->setPlainText(FromCp1251(module_.CurGlossary.Text));
    }
}

void TfEdAbbr::Warn(const QString& text) {
    prompter_.Ask(this, QStringLiteral("Warning"), text, TButtons::Ok, TIcon::Warning, TAnswer::Ok);
}

bool TfEdAbbr::CheckField(int lang, QLineEdit* field, bool& noDelimiter) {
    std::string text = ToEngine(field->text()).text;
    const auto refused = CheckAbbreviationField(lang, text, noDelimiter);
    field->setText(FromCp1251(text));  // corrected even when refused
    if (!refused) return true;
    Warn(FromCp1251(*refused));
    field->setFocus();
    return false;
}

void TfEdAbbr::Done() {
    bool noDelimiter = false;
    if (!CheckField(1, eBel, noDelimiter) || !CheckField(0, eRus, noDelimiter)) return;
    const std::string bel = ToEngine(eBel->text()).text, rus = ToEngine(eRus->text()).text;
    try {
        module_.CheckAbbreviationSave(number_, bel, rus, belArticle_, rusArticle_);
        number_ = module_.SaveAbbreviation(number_, bel, rus);
        module_.SaveGlossaryEntry(belArticle_, 1, Trimmed(mmBelExpansion->toPlainText()), bel);
        module_.SaveGlossaryEntry(rusArticle_, 0, Trimmed(mmRusExpansion->toPlainText()), rus);
    } catch (const Error& e) {
        Warn(FromCp1251(e.what()));
        return;
    }
    accept();
}

bool EditAbbreviation(TBelEditModule& module, TPrompter& prompter, int32_t& number, int lang, const std::string& text,
                      QWidget* parent) {
    TfEdAbbr editor(module, prompter, number, lang, text, parent);
    if (editor.exec() != QDialog::Accepted) return false;
    number = editor.Number();
    return true;
}

}  // namespace kunimor::app
