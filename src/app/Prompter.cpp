#include "app/Prompter.h"

#include <algorithm>

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QAbstractButton>
#include <QMessageBox>

#include "app/ProgramTexts.h"
#include "ground/CodePages.h"

namespace kunimor::app {
namespace {

QMessageBox::StandardButton ButtonOf(TAnswer answer) {
    switch (answer) {
        case TAnswer::Ok: return QMessageBox::Ok;
        case TAnswer::Cancel: return QMessageBox::Cancel;
        case TAnswer::Yes: return QMessageBox::Yes;
        case TAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons ButtonsOf(TButtons buttons) {
    switch (buttons) {
        case TButtons::Ok: return QMessageBox::Ok;
        case TButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case TButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case TButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(TIcon icon) {
    switch (icon) {
        case TIcon::Information: return QMessageBox::Information;
        case TIcon::Question: return QMessageBox::Question;
        case TIcon::Warning: return QMessageBox::Warning;
        case TIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The four fixed captions in the interface language.
QString CaptionText(const QString& caption) {
    const std::pair<const char*, TMsg> captions[] = {{"Warning", TMsg::Warning},
                                                     {"Error", TMsg::Error},
                                                     {"Information", TMsg::Information},
                                                     {"Confirm", TMsg::Confirm}};
    for (const auto& [english, id] : captions)
        if (caption == QLatin1String(english)) return Msg(id);
    return caption;
}

}  // namespace

TAnswer TDialogPrompter::Ask(QWidget* parent, const QString& caption, const QString& text, TButtons buttons,
                             TIcon icon, TAnswer defaultAnswer) {
    QMessageBox box(IconOf(icon), CaptionText(caption), QString(text).replace('\r', '\n'), ButtonsOf(buttons), parent);
    box.setDefaultButton(ButtonOf(defaultAnswer));
    const std::pair<QMessageBox::StandardButton, TMsg> buttonTexts[] = {{QMessageBox::Ok, TMsg::ButtonOk},
                                                                        {QMessageBox::Cancel, TMsg::ButtonCancel},
                                                                        {QMessageBox::Yes, TMsg::ButtonYes},
                                                                        {QMessageBox::No, TMsg::ButtonNo}};
    for (const auto& [standard, id] : buttonTexts)
        if (QAbstractButton* button = box.button(standard)) button->setText(Msg(id));
    switch (box.exec()) {
        case QMessageBox::Ok: return TAnswer::Ok;
        case QMessageBox::Yes: return TAnswer::Yes;
        case QMessageBox::No: return TAnswer::No;
        default: return buttons == TButtons::YesNo ? TAnswer::No : TAnswer::Cancel;
    }
}

QString TDialogPrompter::ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, QStringLiteral("*.txt"));
}

// Qt's own dialog, so that the encoding list can sit under the file type.
std::optional<TFileChoice> TDialogPrompter::ChooseFile(QWidget* parent, TFileDialog kind, const QString& caption,
                                                       const TFileChoice& proposed, const QStringList& filters) {
    QFileDialog dialog(parent, caption, proposed.path);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filters);
    if (proposed.filterIndex >= 0 && proposed.filterIndex < filters.size())
        dialog.selectNameFilter(filters[proposed.filterIndex]);
    if (kind == TFileDialog::OpenText) {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        if (kind == TFileDialog::SaveRtf) dialog.setDefaultSuffix(QStringLiteral("rtf"));
    }
    QComboBox* encodings = nullptr;
    if (kind != TFileDialog::SaveRtf) {
        encodings = new QComboBox(&dialog);
        for (std::string_view name : CodePageNames) encodings->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
        encodings->setCurrentIndex(std::clamp(proposed.codePage, 0, kCodePageCount - 1));
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            const int row = grid->rowCount();
            auto* label = new QLabel(Msg(TMsg::Encoding), &dialog);
            label->setBuddy(encodings);
            grid->addWidget(label, row, 0);
            grid->addWidget(encodings, row, 1);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return TFileChoice{dialog.selectedFiles().front(), encodings ? encodings->currentIndex() : 0,
                       static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

}  // namespace kunimor::app
