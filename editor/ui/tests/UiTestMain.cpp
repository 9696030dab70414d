// The widget tests share one Qt application; the program's resources are
// the test program's own (bitmaps 140 and 161, waves 143 and 144).
#include <gtest/gtest.h>

#include <QApplication>

#include "editor/ui/ProgramEnvironment.h"
#include "platform/OwnResources.h"

int main(int argc, char** argv)
{
    // Test discovery runs the program outside ctest's environment: never
    // reach for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    LdSetProgramResources(platform::OwnResources());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
