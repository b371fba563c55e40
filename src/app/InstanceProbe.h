#pragma once

#include <QObject>

class QLocalServer;

namespace kunimor::app {

// Tells whether another main window of the program runs for this user: the
// first instance listens on a local socket, a later one finds it there.
class TInstanceProbe : public QObject {
    Q_OBJECT
public:
    // name: the socket's name, one per user by default.
    explicit TInstanceProbe(const QString& name = DefaultName(), QObject* parent = nullptr);

    bool SecondInstance() const { return secondInstance_; }
    static QString DefaultName();

private:
    QLocalServer* server_ = nullptr;
    bool secondInstance_ = false;
};

}  // namespace kunimor::app
