// Switches are told from Linux paths; file names and print requests land
// where the shell commands expect them.
#include <gtest/gtest.h>

#include "framework/App.h"
#include "framework/CommandLineInfo.h"

namespace {

TEST(CommandLine, SwitchesAndPaths)
{
    struct Case {
        std::vector<std::string> args;
        fw::CommandLineInfo::ShellCommand command;
        std::string file;
        bool splash;
    };
    const Case cases[] = {
        {{}, fw::CommandLineInfo::FileNew, "", true},
        {{"/home/ann/pictures/a.bmp"}, fw::CommandLineInfo::FileOpen, "/home/ann/pictures/a.bmp", true},
        {{"/tmp"}, fw::CommandLineInfo::FileOpen, "/tmp", true},  // an existing root entry is a path
        {{"/HW1234"}, fw::CommandLineInfo::FileNew, "", true},    // a program switch, not a file
        {{"/p", "/home/ann/a.bmp"}, fw::CommandLineInfo::FilePrint, "/home/ann/a.bmp", true},
        {{"-nologo", "b.bmp"}, fw::CommandLineInfo::FileOpen, "b.bmp", false},
        {{"/Embedding"}, fw::CommandLineInfo::FileNew, "", false},
        {{"--", "-odd.bmp"}, fw::CommandLineInfo::FileOpen, "-odd.bmp", true},
    };
    fw::App app("fwtest");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? std::string("(none)") : c.args.front());
        app.SetArguments(c.args);
        fw::CommandLineInfo info;
        app.ParseCommandLine(info);
        EXPECT_EQ(info.shellCommand, c.command);
        EXPECT_EQ(info.fileName, c.file);
        EXPECT_EQ(info.showSplash, c.splash);
    }
}

TEST(CommandLine, PrintToFillsPrinterDriverAndPort)
{
    fw::App app("fwtest");
    app.SetArguments({"/pt", "/home/ann/a.bmp", "Laser", "driver", "port"});
    fw::CommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.shellCommand, fw::CommandLineInfo::FilePrintTo);
    EXPECT_EQ(info.fileName, "/home/ann/a.bmp");
    EXPECT_EQ(info.printerName, "Laser");
    EXPECT_EQ(info.driverName, "driver");
    EXPECT_EQ(info.portName, "port");
}

}  // namespace
