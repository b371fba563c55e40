#include "editing/ui/DoneCancelButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace kunimor::app {

QDialogButtonBox* DoneCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("Готово"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace kunimor::app
