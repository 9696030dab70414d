// GUI tests need one Qt application for the whole process.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // Test discovery runs the program outside ctest's environment: never
    // reach for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
