// The editor's settings, its command line and its plug-in folder.
#include "editor/app/AppSettings.h"
#include "editor/app/CommandLine.h"
#include "editor/app/Lodo40App.h"
#include "editor/loadable/ToolParams.h"
#include "framework/ProfileStore.h"

#include <gtest/gtest.h>

TEST(AppSettings, EmptySettingsGiveTheDefaults)
{
    fw::MemoryProfile profile;
    LdAppSettings s;
    s.LoadColors(profile);
    s.LoadInterface(profile);
    CBrushParams brush;
    LdLoadBrushParams(profile, brush);
    EXPECT_EQ(s.foreground, 0x00FFFFFFu);
    EXPECT_EQ(s.background, 0u);
    EXPECT_EQ(s.sound, 1);
    EXPECT_EQ(s.animation, 1);
    EXPECT_EQ(s.palette, 1);
    EXPECT_EQ(s.paletteX, -1);
    EXPECT_EQ(s.undoDepth, 5);
    EXPECT_EQ(brush.size, 15);
    EXPECT_EQ(brush.color, 0u);
}

TEST(AppSettings, ColoursTakeTheLowByteAndGoBackByteByByte)
{
    fw::MemoryProfile profile;
    profile.WriteInt("COLOR", "Fore_R", 0x1FF);  // low byte 0xFF
    profile.WriteInt("COLOR", "Fore_G", 16);
    profile.WriteInt("COLOR", "Fore_B", 1);
    LdAppSettings s;
    s.LoadColors(profile);
    EXPECT_EQ(s.foreground, 0x000110FFu);
    s.background = 0x00030201;
    s.undoDepth = 9;
    s.SaveColors(profile);
    s.SaveInterface(profile);
    EXPECT_EQ(profile.GetInt("COLOR", "Back_R", -1), 1);
    EXPECT_EQ(profile.GetInt("COLOR", "Back_B", -1), 3);
    EXPECT_EQ(profile.GetInt("INTERFACE", "UndoDepth", -1), 9);
    CBrushParams brush;
    brush.color = 0x00ABCDEF;
    brush.size = 3;
    LdSaveBrushParams(profile, brush);
    CBrushParams back;
    LdLoadBrushParams(profile, back);
    EXPECT_EQ(back.color, 0x00ABCDEFu);
    EXPECT_EQ(back.size, 3);
}

TEST(AppSettings, PlugInFolder)
{
    struct Case {
        const char* dir;
        const char* expected;
    };
    for (const Case c : {Case{"", "/opt/q/Plugins"}, Case{"/srv/filters", "/srv/filters"},
                         Case{"More", "/opt/q/More"}}) {
        fw::MemoryProfile profile;
        profile.WriteString("PLUGIN_DIR", "dir", c.dir);
        EXPECT_EQ(LdPlugInFolder(profile, "/opt/q/"), c.expected);
        EXPECT_EQ(LdPlugInFolder(profile, "/opt/q"), c.expected);
    }
}

TEST(CommandLine, FixedSwitchesAndEveryOtherWordAFile)
{
    CMyCommandLineInfo info;
    LdParseCommandLine({"-nosplash", "/home/ann/a b.jpg", "/photo", "/HW123", "c.png"}, info);
    EXPECT_FALSE(info.showSplash);
    EXPECT_EQ(info.files, (std::vector<std::string>{"/home/ann/a b.jpg", "/photo", "c.png"}));
    EXPECT_EQ(info.fileName, "/home/ann/a b.jpg");
    EXPECT_EQ(info.shellCommand, fw::CommandLineInfo::FileOpen);

    CMyCommandLineInfo print;
    LdParseCommandLine({"/pt", "x.bmp", "printer", "driver", "port", "more.bmp"}, print);
    EXPECT_EQ(print.shellCommand, fw::CommandLineInfo::FilePrintTo);
    EXPECT_EQ(print.printerName, "printer");
    EXPECT_EQ(print.portName, "port");
    EXPECT_EQ(print.files, (std::vector<std::string>{"x.bmp", "more.bmp"}));

    CMyCommandLineInfo none;
    LdParseCommandLine({}, none);
    EXPECT_EQ(none.shellCommand, fw::CommandLineInfo::FileNew);
    EXPECT_TRUE(none.files.empty());
    std::string name;
    EXPECT_TRUE(LdIsCommandSwitch("/Embedding", &name));
    EXPECT_EQ(name, "Embedding");
    EXPECT_FALSE(LdIsCommandSwitch("/HWx", nullptr));
}

TEST(AppColours, TheForegroundIsTheTextsColourAndLeavesItsStyleAlone)
{
    CLodo40App app;
    auto& text = static_cast<CTextParams&>(*app.TextParams());
    app.SetForeground(0x00336699);
    EXPECT_EQ(text.ints[5], 0x00336699);
    app.SetTextColour(0x000000FF);
    EXPECT_EQ(text.ints[5], 0x000000FF);
    // Italic, bold, underline and alignment stay as they were.
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(text.ints[i], 0) << i;
}
