#pragma once

#include <QObject>

#include <functional>

#include "ground/TranslationRequest.h"

class QLocalServer;
class QLocalSocket;

namespace kunimor::app {

// Serves the translation requests of other programs on a local server (the
// framing is in TranslationRequest.h): every complete request on a
// connection is handed to the answer function and its reply written back.
// A malformed frame closes the connection.
class TRequestServer : public QObject {
    Q_OBJECT
public:
    using TAnswer = std::function<TTranslationReply(const TTranslationRequest&)>;

    // server: listening already; it stays the caller's.
    TRequestServer(QLocalServer& server, TAnswer answer, QObject* parent = nullptr);

private:
    class TConnection;
    void Serve(QLocalSocket* socket, TConnection& connection);

    TAnswer answer_;
};

}  // namespace kunimor::app
