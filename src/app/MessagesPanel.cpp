#include "app/MessagesPanel.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "app/Localizer.h"
#include "app/PaneText.h"
#include "app/ProgramMessages.h"

namespace kunimor::app {

TfrmMessages::TfrmMessages(const TProgramMessages& messages, QWidget* parent)
    : TPanelFrame(QStringLiteral("Сообщения программы"), parent), messages_(messages), log_(new QListWidget(this)) {
    MarkRuntimeText(*log_);
    log_->setFrameShape(QFrame::NoFrame);
    log_->setBackgroundRole(QPalette::Button);
    Content()->addWidget(log_);
    Refresh();
}

void TfrmMessages::Refresh() {
    log_->clear();
    for (const std::string& line : messages_.Lines()) log_->addItem(FromCp1251(line));
    if (log_->count() > 0) log_->setCurrentRow(log_->count() - 1);
}

}  // namespace kunimor::app
