#include "app/InstanceProbe.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace kunimor::app {

QString TInstanceProbe::DefaultName() { return QStringLiteral("kunimor-%1").arg(::getuid()); }

TInstanceProbe::TInstanceProbe(const QString& name, QObject* parent) : QObject(parent) {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
        secondInstance_ = true;
        return;
    }
    server_ = new QLocalServer(this);
    // Nobody answered: a socket left there belongs to a copy that ended without cleaning up.
    QLocalServer::removeServer(name);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(name);
}

}  // namespace kunimor::app
