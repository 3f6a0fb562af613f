#pragma once

// One TrazorCalculator per user. The first instance holds a lock file and listens for close
// requests (protocol in close_request.h); a second start finds the lock taken and ends at once.

#include <QLockFile>
#include <QObject>

class QLocalServer;

namespace trazor {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    SingleInstance();
    ~SingleInstance() override;

    // Takes the lock. False when another calculator of this user holds it. Needs no application
    // object, so a second start can end before it opens a display.
    bool Claim();

    // Starts listening for close requests; call once the application object exists.
    bool Listen();

signals:
    // A client sent "close".
    void CloseRequested();

private:
    void AcceptClients();

    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace trazor
