// One calculator per user, and closing it on request: the real program started twice.

#include "calculator/close_request.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace trazor {
namespace {

    // Gives the processes of one test a user name of their own, so a calculator the developer has
    // open, or a parallel run of this test, never answers in its place.
    class ScopedUser {
    public:
        explicit ScopedUser(const QByteArray& name)
            : saved_(qgetenv("USER"))
        {
            qputenv("USER", name);
        }
        ~ScopedUser() { qputenv("USER", saved_); }

    private:
        QByteArray saved_;
    };

    bool Listening()
    {
        QLocalSocket socket;
        socket.connectToServer(CalculatorServerName());
        const bool connected = socket.waitForConnected(200);
        socket.abort();
        return connected;
    }

    void Start(QProcess& process)
    {
        process.setProgram(QStringLiteral(TRAZOR_CALCULATOR_PROGRAM));
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start();
    }

    TEST(SingleInstance, SecondStartEndsAndTheFirstClosesOnRequest)
    {
        const ScopedUser user("calctest-" + QByteArray::number(QCoreApplication::applicationPid()));
        QTemporaryDir ospRoot;
        ASSERT_TRUE(ospRoot.isValid());
        // On the control: closing then also tries to bring the operator screen to the front.
        ASSERT_TRUE(QDir(ospRoot.path()).mkpath("OSP-P"));
        QFile marker(ospRoot.filePath("OSP-P/OSPMNGCD.CNC"));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.close();
        qputenv("TRAZOR_OSP_ROOT", ospRoot.path().toUtf8());

        EXPECT_FALSE(RequestCalculatorClose(200)); // nobody listening yet

        QProcess first;
        Start(first);
        ASSERT_TRUE(first.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor(Listening, 10000));

        QProcess second;
        Start(second);
        ASSERT_TRUE(second.waitForFinished(5000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(first.state(), QProcess::Running);

        // Lines other than "close" are ignored.
        {
            QLocalSocket socket;
            socket.connectToServer(CalculatorServerName());
            ASSERT_TRUE(socket.waitForConnected(1000));
            socket.write("open\n");
            ASSERT_TRUE(socket.waitForBytesWritten(1000));
            socket.disconnectFromServer();
        }
        EXPECT_FALSE(first.waitForFinished(300));

        EXPECT_TRUE(RequestCalculatorClose());
        ASSERT_TRUE(first.waitForFinished(5000));
        EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(first.exitCode(), 0);
        EXPECT_FALSE(Listening());

        // With the first one gone, the next start is the calculator again.
        QProcess third;
        Start(third);
        ASSERT_TRUE(third.waitForStarted(5000));
        EXPECT_TRUE(QTest::qWaitFor(Listening, 10000));
        EXPECT_TRUE(RequestCalculatorClose());
        EXPECT_TRUE(third.waitForFinished(5000));
        qunsetenv("TRAZOR_OSP_ROOT");
    }

} // namespace
} // namespace trazor
