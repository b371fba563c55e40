#pragma once

#include <QDialogButtonBox>

class QDialog;

namespace kunimor::app {

// The editors' "Готово" (the default, accepts) and "Отмена" (rejects)
// buttons of dialog.
QDialogButtonBox* DoneCancelButtons(QDialog* dialog);

}  // namespace kunimor::app
