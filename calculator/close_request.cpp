#include "calculator/close_request.h"

#include <QLocalSocket>

namespace trazor {

QString CalculatorServerName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QStringLiteral("user");
    for (QChar& c : user) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'.' || c == u'_' || c == u'-';
        if (!plain)
            c = u'_';
    }
    return QStringLiteral("TrazorCalculator-") + user;
}

bool RequestCalculatorClose(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(CalculatorServerName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("close\n");
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

} // namespace trazor
