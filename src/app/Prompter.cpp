#include "app/Prompter.h"

#include <QFileDialog>
#include <QMessageBox>

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

}  // namespace

TAnswer TDialogPrompter::Ask(QWidget* parent, const QString& caption, const QString& text, TButtons buttons,
                             TIcon icon, TAnswer defaultAnswer) {
    QMessageBox box(IconOf(icon), caption, QString(text).replace('\r', '\n'), ButtonsOf(buttons), parent);
    box.setDefaultButton(ButtonOf(defaultAnswer));
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

}  // namespace kunimor::app
