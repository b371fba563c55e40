#pragma once

#include "app/PanelFrame.h"

class QListWidget;

namespace kunimor::app {

class TProgramMessages;

// The program's messages, the newest selected.
class TfrmMessages : public TPanelFrame {
    Q_OBJECT
public:
    TfrmMessages(const TProgramMessages& messages, QWidget* parent);

    void Refresh() override;
    QListWidget* Log() const { return log_; }

private:
    const TProgramMessages& messages_;
    QListWidget* log_;
};

}  // namespace kunimor::app
