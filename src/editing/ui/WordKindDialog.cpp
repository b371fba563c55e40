#include "editing/ui/WordKindDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "editing/ui/DoneCancelButtons.h"
#include "editing/ui/EntryField.h"
#include "editing/ui/WordEditors.h"
#include "ground/Language.h"
#include "ground/SplitWords.h"
#include "morphology/KindNames.h"

namespace kunimor::app {

namespace {

QString LanguageName(int lang) {
    return lang == kBelarusian ? QStringLiteral("Беларуская мова") : QStringLiteral("Русский язык");
}

QString KindQuestion(int lang, int kind) {
    static const char16_t* const questions[2][5] = {
        {u"(Кто? Что?)", u"(Какой?)", u"(Что сделать?)", u"(Что делать?)", u""},
        {u"(Хто? Што?)", u"(Які?)", u"(Што зрабіць?)", u"(Што рабіць?)", u""}};
    return QString::fromUtf16(questions[lang == kBelarusian ? 1 : 0][kind - 1]);
}

std::string Trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

TfrmWordKind::TfrmWordKind(TWordEditors& editors, int lang, bool abbreviationAllowed, const std::string& text,
                           bool abbreviation)
    : QDialog(editors.Parent), editors_(editors), lang_(lang) {
    setWindowTitle(QStringLiteral("Новая словарная статья"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(LanguageName(lang), this));
    edtWord = new TEntryField(lang, this);
    layout->addWidget(edtWord);
    auto* group = new QGroupBox(QStringLiteral("Часть речи"), this);
    auto* groupLayout = new QVBoxLayout(group);
    rgKind = new QButtonGroup(this);
    for (int kind = 1; kind <= 5; ++kind) {
        auto* item = new QRadioButton(QStringLiteral("[%1] %2 %3")
                                          .arg(kind)
                                          .arg(FromCp1251(KindName(lang, kind)), KindQuestion(lang, kind))
                                          .trimmed(),
                                      group);
        rgKind->addButton(item, kind);
        groupLayout->addWidget(item);
    }
    layout->addWidget(group);
    cbAbbr = new QCheckBox(QStringLiteral("[6] Сокращение (допускается точка \".\")"), this);
    cbAbbr->setVisible(abbreviationAllowed);
    cbAbbr->setChecked(abbreviationAllowed && abbreviation);
    group->setEnabled(!cbAbbr->isChecked());
    connect(cbAbbr, &QCheckBox::toggled, group, [group](bool on) { group->setEnabled(!on); });
    layout->addWidget(cbAbbr);
    auto* autoU = new QCheckBox(QStringLiteral("Сачыць за \"ў-у\""), this);
    autoU->setVisible(lang == kBelarusian);
    autoU->setChecked(WatchShortU);
    connect(autoU, &QCheckBox::toggled, this, [](bool on) { WatchShortU = on; });
    layout->addWidget(autoU);
    layout->addWidget(DoneCancelButtons(this));

    std::string shown = text;
    int kind = 0;
    if (!HasSeveralWords(lang, text) && Settings.ModifyTails)
        guess_ = editors.Tails[lang == kBelarusian ? 1 : 0].Guess(
            shown, kind, [&](const std::string& start) { return editors.Prefixes.HasKnownPrefix(start, lang); });
    else
        guess_.received = text;
    if (kind >= 1 && kind <= 5) rgKind->button(kind)->setChecked(true);
    edtWord->SetText(shown);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    edtWord->setFocus();
}

bool TfrmWordKind::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString key = static_cast<QKeyEvent*>(event)->text();
        if (key.size() == 1 && key[0] >= u'1' && key[0] <= u'6') {
            const int n = key[0].unicode() - u'0';
            if (n == 6) {
                if (cbAbbr->isVisible()) cbAbbr->toggle();
            } else if (!cbAbbr->isChecked()) {
                rgKind->button(n)->setChecked(true);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::string TfrmWordKind::Text() const { return Trimmed(edtWord->Text()); }
bool TfrmWordKind::Abbreviation() const { return cbAbbr->isVisible() && cbAbbr->isChecked(); }
int TfrmWordKind::Kind() const { return rgKind->checkedId() > 0 ? rgKind->checkedId() : 0; }

void TfrmWordKind::accept() {
    std::string text = Text();
    if (text.empty()) {
        editors_.Prompter.Ask(this, QStringLiteral("Warning"), QStringLiteral("Не определена каноническая форма слова!"),
                              TButtons::Ok, TIcon::Warning, TAnswer::Ok);
        edtWord->setFocus();
        return;
    }
    if (!Abbreviation() && Kind() == 0) {
        editors_.Prompter.Ask(this, QStringLiteral("Warning"),
                              QStringLiteral("Не определено:\rк какой части речи относится слово?!"), TButtons::Ok,
                              TIcon::Warning, TAnswer::Ok);
        rgKind->button(1)->setFocus();
        return;
    }
    const bool ok = CheckEntryText(editors_.Prompter, this, lang_, text, Abbreviation(), true);
    edtWord->SetText(text);
    if (!ok) return;
    if (!HasSeveralWords(lang_, text) && Settings.AdvTrans)
        editors_.Tails[lang_ == kBelarusian ? 1 : 0].Learn(guess_, text, Kind());
    QDialog::accept();
}

bool WordKindDialog(TWordEditors& editors, int lang, bool abbreviationAllowed, std::string& text, bool& abbreviation,
                    int& kind) {
    TfrmWordKind dialog(editors, lang, abbreviationAllowed, text, abbreviation);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.Text();
    abbreviation = dialog.Abbreviation();
    kind = abbreviation ? 0 : dialog.Kind();
    return true;
}

}  // namespace kunimor::app
