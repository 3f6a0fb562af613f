// Test entry for the suites that need a QApplication.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Also when the test list is read at build time, where no display may be present.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
