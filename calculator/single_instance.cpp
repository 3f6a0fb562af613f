#include "calculator/single_instance.h"

#include "calculator/close_request.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace trazor {

SingleInstance::SingleInstance()
    : lock_(QDir::temp().filePath(CalculatorServerName() + QStringLiteral(".lock")))
{
    // A calculator stays open for hours: the lock is stale only when its process has ended, never
    // by age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim() { return lock_.tryLock(0); }

bool SingleInstance::Listen()
{
    server_ = new QLocalServer(this);
    // A socket left behind by a calculator that crashed would block the name; holding the lock, this
    // instance is the only one that may use it.
    QLocalServer::removeServer(CalculatorServerName());
    if (!server_->listen(CalculatorServerName()))
        return false;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::AcceptClients);
    return true;
}

void SingleInstance::AcceptClients()
{
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            while (client->canReadLine()) {
                if (client->readLine().trimmed() == "close")
                    emit CloseRequested();
            }
        });
    }
}

} // namespace trazor
