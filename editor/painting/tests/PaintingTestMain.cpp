// The paint tests read the brush shapes from their own resources, as the
// program reads them from its; the text built-in needs fonts, so a Qt
// application runs, off screen.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "editor/ui/ProgramEnvironment.h"
#include "platform/OwnResources.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    LdSetProgramResources(platform::OwnResources());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
