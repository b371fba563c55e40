#include "app/PanelFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace kunimor::app {

TPanelFrame::TPanelFrame(const QString& caption, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QWidget(this);
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Mid);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 1, 1, 1);
    auto* title = new QLabel(caption, bar);
    title->setObjectName(QStringLiteral("lblCaption"));
    auto* close = new QToolButton(bar);
    close->setAutoRaise(true);
    close->setText(QStringLiteral("×"));
    close->setObjectName(QStringLiteral("btnClose"));
    close->setToolTip(QStringLiteral("Закрыть"));
    barLayout->addWidget(title, 1);
    barLayout->addWidget(close);
    layout->addWidget(bar);
    content_ = new QVBoxLayout;
    content_->setContentsMargins(0, 0, 0, 0);
    content_->setSpacing(0);
    layout->addLayout(content_, 1);
    connect(close, &QToolButton::clicked, this, &TPanelFrame::closedByUser);
}

}  // namespace kunimor::app
