// The clipboard tests with other programs need a display that programs
// share: a private Xvfb, started before the Qt application so that it runs
// on it. Without Xvfb the tests skip (QN_NO_DISPLAY says why).
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include "editor/ui/ProgramEnvironment.h"
#include "platform/OwnResources.h"

int main(int argc, char** argv)
{
    QProcess server;
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        qputenv("QN_NO_DISPLAY", "Xvfb is not installed");
    } else {
        server.start(xvfb, {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        if (server.waitForStarted(5000) && server.waitForReadyRead(10000)) {
            qputenv("DISPLAY", ":" + server.readLine().trimmed());
            qputenv("QT_QPA_PLATFORM", "xcb");
        } else {
            qputenv("QN_NO_DISPLAY", "Xvfb could not be started");
        }
    }
    if (!qEnvironmentVariableIsEmpty("QN_NO_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        LdSetProgramResources(platform::OwnResources());
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    server.kill();
    server.waitForFinished();
    return result;
}
