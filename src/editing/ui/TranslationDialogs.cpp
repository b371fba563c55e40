#include "editing/ui/TranslationDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "dictionary/DirectionSwitch.h"
#include "dictionary/StemSeeker.h"
#include "dictionary/TagCodes.h"
#include "editing/BelEditModule.h"
#include "editing/ui/DoneCancelButtons.h"
#include "editing/ui/EntryField.h"
#include "editing/ui/WordEditors.h"
#include "ground/Language.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/KindNames.h"
#include "morphology/WordKind.h"

#include <algorithm>

namespace kunimor::app {

namespace {

QString LanguageName(int lang) {
    return lang == kBelarusian ? QStringLiteral("Беларуская мова") : QStringLiteral("Русский язык");
}

QString DigitKey(int index) { return index < 9 ? QString::number(index + 1) : index == 9 ? QStringLiteral("0") : "_"; }

// The suggestion index a digit key selects, -1 for none.
int IndexOfDigit(const QString& typed, int count) {
    if (typed.size() != 1 || !typed[0].isDigit()) return -1;
    const int index = typed[0] == u'0' ? 9 : typed[0].unicode() - u'1';
    return index < count ? index : -1;
}

}  // namespace

TfrmNewTrans::TfrmNewTrans(TWordEditors& editors, int targetLang, const std::string& lemma,
                           const std::vector<std::string>& suggestions, int kind)
    : QDialog(editors.Parent), editors_(editors), suggestions_(suggestions) {
    setWindowTitle(QStringLiteral("Перевод для \"%1\"").arg(FromCp1251(lemma)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(LanguageName(targetLang), this));
    layout->addWidget(new QLabel(FromCp1251(KindName(targetLang, kind)), this));
    auto* group = new QGroupBox(QStringLiteral("Варианты перевода:"), this);
    auto* grid = new QGridLayout(group);
    rgVariants = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(suggestions.size()); ++i) {
        auto* item = new QRadioButton(
            QStringLiteral(" [%1] %2").arg(DigitKey(i), FromCp1251(suggestions[static_cast<size_t>(i)])), group);
        rgVariants->addButton(item, i);
        grid->addWidget(item, i / 2, i % 2);
    }
    group->setVisible(suggestions.size() > 1);
    layout->addWidget(group);
    edtWord = new TEntryField(targetLang, this);
    layout->addWidget(edtWord);
    auto* autoU = new QCheckBox(QStringLiteral("Сачыць за \"ў-у\""), this);
    autoU->setVisible(targetLang == kBelarusian);
    autoU->setChecked(WatchShortU);
    connect(autoU, &QCheckBox::toggled, this, [](bool on) { WatchShortU = on; });
    layout->addWidget(autoU);
    layout->addWidget(DoneCancelButtons(this));
    connect(rgVariants, &QButtonGroup::idClicked, this,
            [this](int id) { edtWord->SetText(suggestions_[static_cast<size_t>(id)]); });
    if (!suggestions.empty()) {
        rgVariants->button(0)->setChecked(true);
        edtWord->SetText(suggestions.front());
    }
    edtWord->installEventFilter(this);
    edtWord->setFocus();
}

bool TfrmNewTrans::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && suggestions_.size() > 1) {
        const int index = IndexOfDigit(static_cast<QKeyEvent*>(event)->text(), static_cast<int>(suggestions_.size()));
        if (index >= 0) {
            rgVariants->button(index)->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::string TfrmNewTrans::Text() const {
    std::string text = edtWord->Text();
    const size_t a = text.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : text.substr(a, text.find_last_not_of(' ') - a + 1);
}

void TfrmNewTrans::accept() {
    std::string text = Text();
    if (text.empty()) {
        reject();
        return;
    }
    const bool ok = CheckEntryText(editors_.Prompter, this, edtWord->Lang(), text, false, true);
    edtWord->SetText(text);
    if (ok) QDialog::accept();
}

bool NewTranslationDialog(TWordEditors& editors, int targetLang, const std::string& lemma,
                          const std::vector<std::string>& suggestions, int kind, std::string& text) {
    TfrmNewTrans dialog(editors, targetLang, lemma, suggestions, kind);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.Text();
    return !text.empty();
}

bool SelectExistingTranslation(TWordEditors& editors, int targetLang, int kind, const std::string& text, int32_t& no) {
    TBelEditModule& m = editors.Module;
    std::vector<int32_t> hits;
    {
        TDirectionSwitch direction(m, targetLang);
        const int firstPlural = FormCount(kind) / 2 + 1;
        SeekWord(m, text, [&](const TWordFormArgs& hit) {
            const bool keyForm = hit.Form == 1 || ((kind == kNoun || IsVerb(kind)) && hit.Form == firstPlural);
            if (hit.Kind == kind && keyForm && !IsCollocNo(hit.No) &&
                std::find(hits.begin(), hits.end(), hit.No) == hits.end())
                hits.push_back(hit.No);
        });
    }
    if (hits.empty()) return false;

    QDialog dialog(editors.Parent);
    dialog.setWindowTitle(QStringLiteral("Выбор перевода со словаря"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QLineEdit(FromCp1251(text), &dialog);
    field->setEnabled(false);
    layout->addWidget(field);
    layout->addWidget(new QLabel(QStringLiteral("Такое слово уже имеется в словаре переводов !"), &dialog));
    layout->addWidget(new QLabel(LanguageName(targetLang) + ", " + FromCp1251(KindName(targetLang, kind)), &dialog));
    auto* group = new QGroupBox(QStringLiteral("Варианты перевода:"), &dialog);
    auto* groupLayout = new QVBoxLayout(group);
    QButtonGroup variants(&dialog);
    for (int i = 0; i < static_cast<int>(hits.size()); ++i) {
        m.LoadWord(targetLang, hits[static_cast<size_t>(i)]);
        const FirstFormSet keys = FirstForms(targetLang, kind, m.CurWord.Osnova, m.CurEtalon.Forms);
        QString summary = FromCp1251(keys.first.empty() ? keys.second : keys.first);
        if (!keys.first.empty() && !keys.second.empty()) summary += ", " + FromCp1251(keys.second);
        if (kind == kNoun) {
            const int gender = NounGender(m.CurEtalon.RodChislo, m.CurWord.Tag);
            const int animacy = Animacy(m.CurEtalon.Forms, m.CurEtalon.RodChislo == kRodMasculine, kNoun);
            summary = QStringLiteral("%1, %2, %3")
                          .arg(summary, FromCp1251(GenderShortName(targetLang, gender)),
                               FromCp1251(AnimacyShortName(targetLang, animacy)));
        }
        auto* item = new QRadioButton(QStringLiteral(" [%1] %2").arg((i + 1) % 10).arg(summary), group);
        variants.addButton(item, i);
        groupLayout->addWidget(item);
    }
    variants.button(0)->setChecked(true);
    layout->addWidget(group);
    layout->addWidget(DoneCancelButtons(&dialog));
    if (dialog.exec() != QDialog::Accepted) return false;
    no = hits[static_cast<size_t>(std::max(0, variants.checkedId()))];
    return true;
}

}  // namespace kunimor::app
