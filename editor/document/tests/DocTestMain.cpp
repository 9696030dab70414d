// The document tests share one Qt application (the dialogs and message
// boxes they answer are widgets); offscreen, never a display. The brush
// shapes come from the test program's own resources.
#include <gtest/gtest.h>

#include <QApplication>

#include "editor/ui/ProgramEnvironment.h"
#include "platform/OwnResources.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    LdSetProgramResources(platform::OwnResources());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
