#pragma once

#include <QWidget>

class QVBoxLayout;

namespace kunimor::app {

// A docked side panel: a caption bar with a close button over its content.
// Its close button tells the owner, which hides the panel.
class TPanelFrame : public QWidget {
    Q_OBJECT
public:
    TPanelFrame(const QString& caption, QWidget* parent);
    // Shows its list anew.
    virtual void Refresh() = 0;

protected:
    QVBoxLayout* Content() const { return content_; }

signals:
    void closedByUser();

private:
    QVBoxLayout* content_;
};

}  // namespace kunimor::app
