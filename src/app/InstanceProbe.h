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
    // The first instance's server, listening under the name; null in a
    // second instance.
    QLocalServer* Server() const { return server_; }
    // A second instance hands the first a file to open; false when the
    // first did not take it.
    bool HandOver(const QString& path) const;
    static QString DefaultName();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    bool secondInstance_ = false;
};

}  // namespace kunimor::app
