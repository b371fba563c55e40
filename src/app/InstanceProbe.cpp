#include "app/InstanceProbe.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

#include "ground/TranslationRequest.h"

namespace kunimor::app {

QString TInstanceProbe::DefaultName() {
    return QString::fromLatin1(kRequestServerPrefix.data(), qsizetype(kRequestServerPrefix.size())) +
           QString::number(::getuid());
}

TInstanceProbe::TInstanceProbe(const QString& name, QObject* parent) : QObject(parent), name_(name) {
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

bool TInstanceProbe::HandOver(const QString& path) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(1000)) return false;
    const std::string request = EncodeRequest({TRequestKind::OpenFile, TRequestDirection::Detect, path.toStdString()});
    socket.write(request.data(), qint64(request.size()));
    std::string received;
    while (socket.waitForReadyRead(5000)) {
        const QByteArray bytes = socket.readAll();
        received.append(bytes.constData(), std::size_t(bytes.size()));
        TTranslationReply reply;
        std::size_t consumed = 0;
        const TFrameState state = DecodeReply(received, reply, consumed);
        if (state != TFrameState::Incomplete) return state == TFrameState::Complete && reply.status == TReplyStatus::Ok;
    }
    return false;
}

}  // namespace kunimor::app
