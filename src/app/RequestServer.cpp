#include "app/RequestServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

namespace kunimor::app {

// What one connection has received and not yet answered; it goes with the socket.
class TRequestServer::TConnection : public QObject {
public:
    explicit TConnection(QLocalSocket* socket) : QObject(socket) {}
    std::string received;
    bool answering = false;
};

TRequestServer::TRequestServer(QLocalServer& server, TAnswer answer, QObject* parent)
    : QObject(parent), answer_(std::move(answer)) {
    connect(&server, &QLocalServer::newConnection, this, [this, &server] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            auto* connection = new TConnection(socket);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, connection] { Serve(socket, *connection); });
        }
    });
}

void TRequestServer::Serve(QLocalSocket* socket, TConnection& connection) {
    const QByteArray bytes = socket->readAll();
    connection.received.append(bytes.constData(), std::size_t(bytes.size()));
    // Answering may run a translation that processes events: more bytes can
    // arrive meanwhile (they wait for this loop) and the socket can go.
    if (connection.answering) return;
    connection.answering = true;
    QPointer<QLocalSocket> alive(socket);
    for (;;) {
        TTranslationRequest request;
        std::size_t consumed = 0;
        const TFrameState state = DecodeRequest(connection.received, request, consumed);
        if (state == TFrameState::Incomplete) break;
        if (state == TFrameState::Malformed) {
            socket->disconnectFromServer();
            break;
        }
        connection.received.erase(0, consumed);
        const std::string reply = EncodeReply(answer_(request));
        if (!alive) return;
        socket->write(reply.data(), qint64(reply.size()));
        socket->flush();
    }
    if (alive) connection.answering = false;
}

}  // namespace kunimor::app
