#include "app/OptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Labelled.h"
#include "app/Localizer.h"
#include "app/TextViewFormat.h"

namespace kunimor::app {
namespace {

constexpr std::array<uint8_t, 3> kStyleBits = {kBold, kItalic, kUnderline};

void ShowColor(QPushButton* button, uint32_t rgb) {
    button->setProperty("rgb", rgb);
    button->setStyleSheet(QStringLiteral("background-color: #%1").arg(rgb, 6, 16, QChar('0')));
}

uint32_t ColorOf(const QPushButton* button) { return button->property("rgb").toUInt(); }

}  // namespace

TfrmOptions::TfrmOptions(const TSettings& settings, std::function<void(const TSettings&)> apply, QWidget* parent)
    : QDialog(parent), settings_(settings), applyProc_(std::move(apply)) {
    setWindowTitle(QStringLiteral("Настройки программы"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* tabs = new QTabWidget(this);
    auto page = [&](const char* name, const QString& caption) {
        auto* widget = new QWidget(tabs);
        widget->setObjectName(QString::fromLatin1(name));
        auto* layout = new QVBoxLayout(widget);
        tabs->addTab(widget, caption);
        return layout;
    };
    auto check = [&](QVBoxLayout* layout, const char* name, const QString& caption, bool TSettings::*option) {
        auto* box = new QCheckBox(caption, layout->parentWidget());
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(settings_.*option);
        layout->addWidget(box);
        checks_.emplace_back(option, box);
        return box;
    };

    QVBoxLayout* general = page("tsGeneral", QStringLiteral("Общие"));
    check(general, "cbShowHints", QStringLiteral("Показывать подсказки"), &TSettings::ShowHints);
    check(general, "cbChangeKeyb", QStringLiteral("Автоматически переключать раскладку клавиатуры в редакторе"), &TSettings::ChangeKeyb);
    check(general, "cbShowURLs", QStringLiteral("Выделять и активировать интернет-ссылки в тексте"), &TSettings::ShowURLs);
    check(general, "cbQuitConfirm", QStringLiteral("Подтверждать выход без сохранения"), &TSettings::QuitConfirm);
    auto* latGroup = new QGroupBox(QStringLiteral("При экспорте текста в латинку сохранять дополнительные символы:"));
    latGroup->setObjectName(QStringLiteral("rgDopLatCoding"));
    auto* latLayout = new QVBoxLayout(latGroup);
    dopLatCoding_ = new QButtonGroup(this);
    const QString latItems[] = {
        QStringLiteral("в кодировке CP-1257 Baltic (напр., \"кадоўка\" --> \"kadou*ka\")"),
        QStringLiteral("в формате HTML Unicode (напр., \"кадоўка\" --> \"kado&#365;ka\")")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(latItems[i], latGroup);
        radio->setObjectName(QStringLiteral("rbDopLatCoding%1").arg(i));
        dopLatCoding_->addButton(radio, i);
        latLayout->addWidget(radio);
    }
    dopLatCoding_->button(settings_.DopLatCoding)->setChecked(true);
    latLayout->addWidget(
        Labelled(QStringLiteral("lblLatNote"), QStringLiteral("Замечание: \"u*\" значит \"u с черточкой\" из кодировки CP-1257"),
                 latGroup));
    general->addWidget(latGroup);
    check(general, "cbMinimizeToTray", QStringLiteral("Сворачивать программу в системный лоток по нажатию ESC"), &TSettings::MinimizeToTray);
    general->addStretch();

    QVBoxLayout* view = page("tsView", QStringLiteral("Вид"));
    auto* fontGroup = new QGroupBox(QStringLiteral("Текст в редакторе"));
    fontGroup->setObjectName(QStringLiteral("gbFont"));
    auto* fontForm = new QFormLayout(fontGroup);
    fontName_ = new QFontComboBox(fontGroup);
    fontName_->setCurrentFont(QFont(QString::fromStdString(settings_.FontName)));
    fontSize_ = new QSpinBox(fontGroup);
    fontSize_->setRange(8, 72);
    fontSize_->setValue(settings_.FontSize);
    fontForm->addRow(Labelled(QStringLiteral("lblFontName"), QStringLiteral("Шрифт:"), fontGroup), fontName_);
    fontForm->addRow(Labelled(QStringLiteral("lblFontSize"), QStringLiteral("Размер шрифта:"), fontGroup), fontSize_);
    view->addWidget(fontGroup);
    auto* markupGroup = new QGroupBox(QStringLiteral("Элементы текстовой разметки"));
    markupGroup->setObjectName(QStringLiteral("gbMarkup"));
    auto* markup = new QHBoxLayout(markupGroup);
    lbTextViews_ = new QListWidget(markupGroup);
    MarkRuntimeText(*lbTextViews_);  // the views' captions follow the language
    for (const TTextView& v : settings_.TextViews) lbTextViews_->addItem(QString::fromStdString(v.Caption));
    markup->addWidget(lbTextViews_, 1);
    auto* controls = new QFormLayout;
    backColor_ = new QPushButton(markupGroup);
    foreColor_ = new QPushButton(markupGroup);
    controls->addRow(Labelled(QStringLiteral("lblBackColor"), QStringLiteral("Фон текста:"), markupGroup), backColor_);
    controls->addRow(Labelled(QStringLiteral("lblForeColor"), QStringLiteral("Цвет текста:"), markupGroup), foreColor_);
    auto* styles = new QHBoxLayout;
    const char* styleNames[] = {"sbBold", "sbItalic", "sbUnderline"};
    const QString styleCaptions[] = {QStringLiteral("Ж"), QStringLiteral("К"), QStringLiteral("Ч")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(markupGroup);
        button->setText(styleCaptions[i]);
        button->setObjectName(QString::fromLatin1(styleNames[i]));
        button->setCheckable(true);
        styles->addWidget(button);
        styleButtons_[i] = button;
        connect(button, &QToolButton::toggled, this, &TfrmOptions::ViewEdited);
    }
    controls->addRow(styles);
    pnlText_ = Labelled(QStringLiteral("pnlText"), QStringLiteral("Пример оформления"), markupGroup);
    pnlText_->setAlignment(Qt::AlignCenter);
    pnlText_->setMinimumHeight(40);
    pnlText_->setFrameShape(QFrame::Box);
    controls->addRow(pnlText_);
    markup->addLayout(controls);
    view->addWidget(markupGroup);
    view->addStretch();

    QVBoxLayout* translation = page("tsTranslation", QStringLiteral("Перевод"));
    check(translation, "cbAdvTrans", QStringLiteral("Режим эксперта"), &TSettings::AdvTrans);
    check(translation, "cbReturnCounts", QStringLiteral("Считать разделитель строк разделителем предложений"), &TSettings::ReturnCounts);
    check(translation, "cbModifyTails", QStringLiteral("Подбирать автоматически каноническую форму и часть речи новых слов"),
          &TSettings::ModifyTails);
    check(translation, "cbTransConfirm", QStringLiteral("Подтверждать выполнение перевода"), &TSettings::TransConfirm);
    check(translation, "cbAutoSaveBase", QStringLiteral("Автосохранение словаря программы"), &TSettings::AutoSaveBase);
    auto* interval = new QFormLayout;
    autoSaveInterval_ = new QSpinBox;
    autoSaveInterval_->setRange(1, 60);
    autoSaveInterval_->setValue(settings_.AutoSaveInterval);
    interval->addRow(Labelled(QStringLiteral("lblAutoSaveInterval"), QStringLiteral("Интервал автосохранения (мин):"), nullptr),
                     autoSaveInterval_);
    translation->addLayout(interval);
    check(translation, "cbUseAltForms", QStringLiteral("В переводах использовать альтернативные формы вместо основных"),
          &TSettings::UseAltForms);
    check(translation, "cbCheckUntranslated", QStringLiteral("Проверять наличие непереведенных слов"), &TSettings::CheckUntranslated);
    translation->addStretch();

    QVBoxLayout* spelling = page("tsSpelling", QStringLiteral("Орфография"));
    check(spelling, "cbEuristicAnalyze", QStringLiteral("Эвристический орфографический анализ"), &TSettings::EuristicAnalyze);
    check(spelling, "cbShowWarnings", QStringLiteral("Показывать предупреждения орфографического анализатора"), &TSettings::ShowWarnings);
    check(spelling, "cbSpellWithDictionary", QStringLiteral("Слова из словаря программы считать правильными"), &TSettings::SpellWithDictionary);
    spelling->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("Готово"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    apply_ = buttons->addButton(QStringLiteral("Применить"), QDialogButtonBox::ApplyRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    apply_->setObjectName(QStringLiteral("btnApply"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, [this] {
        applyProc_(Edited());
        accept();
    });
    connect(apply_, &QPushButton::clicked, this, [this] { applyProc_(Edited()); });
    connect(lbTextViews_, &QListWidget::currentRowChanged, this, &TfrmOptions::ShowView);
    connect(fontName_, &QFontComboBox::currentFontChanged, this, &TfrmOptions::UpdateSample);
    connect(fontSize_, &QSpinBox::valueChanged, this, &TfrmOptions::UpdateSample);
    connect(backColor_, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(QColor(QRgb(ColorOf(backColor_))), this);
        if (c.isValid()) SetBackColor(c.rgb() & 0xFFFFFF);
    });
    connect(foreColor_, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(QColor(QRgb(ColorOf(foreColor_))), this);
        if (c.isValid()) SetViewColor(c.rgb() & 0xFFFFFF);
    });
    ShowColor(backColor_, settings_.BackColor);
    lbTextViews_->setCurrentRow(0);
}

QCheckBox* TfrmOptions::CheckBox(bool TSettings::*option) const {
    for (const auto& [member, box] : checks_)
        if (member == option) return box;
    return nullptr;
}

QAbstractButton* TfrmOptions::StyleButton(uint8_t bit) const {
    for (std::size_t i = 0; i < kStyleBits.size(); ++i)
        if (kStyleBits[i] == bit) return styleButtons_[i];
    return nullptr;
}

void TfrmOptions::SetViewColor(uint32_t rgb) {
    ShowColor(foreColor_, rgb);
    ViewEdited();
}

void TfrmOptions::SetBackColor(uint32_t rgb) {
    ShowColor(backColor_, rgb);
    UpdateSample();
}

void TfrmOptions::ShowView(int view) {
    if (view < 0) return;
    showing_ = true;
    const TTextView& v = settings_.TextViews[static_cast<std::size_t>(view)];
    ShowColor(foreColor_, v.Color);
    for (std::size_t i = 0; i < kStyleBits.size(); ++i) styleButtons_[i]->setChecked(v.Style & kStyleBits[i]);
    showing_ = false;
    UpdateSample();
}

// The edited view takes the controls' colour and style; a strike-out the
// buttons cannot show goes with the edit.
void TfrmOptions::ViewEdited() {
    if (showing_ || lbTextViews_->currentRow() < 0) return;
    TTextView& v = settings_.TextViews[static_cast<std::size_t>(lbTextViews_->currentRow())];
    v.Color = ColorOf(foreColor_);
    v.Style = 0;
    for (std::size_t i = 0; i < kStyleBits.size(); ++i)
        if (styleButtons_[i]->isChecked()) v.Style |= kStyleBits[i];
    UpdateSample();
}

void TfrmOptions::UpdateSample() {
    const int row = std::max(lbTextViews_->currentRow(), 0);
    const TTextView& v = settings_.TextViews[static_cast<std::size_t>(row)];
    QFont font = fontName_->currentFont();
    font.setPointSize(fontSize_->value());
    const QTextCharFormat format = ViewFormat(v);
    font.setBold(format.fontWeight() >= QFont::Bold);
    font.setItalic(format.fontItalic());
    font.setUnderline(format.fontUnderline());
    font.setStrikeOut(format.fontStrikeOut());
    pnlText_->setFont(font);
    pnlText_->setStyleSheet(QStringLiteral("background-color: #%1; color: #%2")
                                .arg(ColorOf(backColor_), 6, 16, QChar('0'))
                                .arg(v.Color, 6, 16, QChar('0')));
}

TSettings TfrmOptions::Edited() const {
    TSettings s = settings_;
    for (const auto& [member, box] : checks_) s.*member = box->isChecked();
    s.DopLatCoding = dopLatCoding_->checkedId();
    s.AutoSaveInterval = autoSaveInterval_->value();
    s.FontName = fontName_->currentFont().family().toStdString();
    s.FontSize = fontSize_->value();
    s.BackColor = ColorOf(backColor_);
    return s;
}

}  // namespace kunimor::app
