// The switches of the system's screen-saver control and of xscreensaver.
#include <gtest/gtest.h>

#include "savers/SaverCommandLine.h"

namespace {

struct Case {
    std::vector<std::string> args;
    const char* xscreensaverWindow;
    SaverCommand expected;
};

TEST(SaverCommandLine, Table)
{
    using M = SaverMode;
    const Case cases[] = {
        {{}, "", {M::Settings, 0}},
        {{"c"}, "", {M::Settings, 0}},
        {{"/C"}, "", {M::Settings, 0}},
        {{"-c"}, "", {M::Settings, 0}},
        {{"/c:1234"}, "", {M::Quit, 0}},  // a switch with more after it does nothing
        {{"s"}, "", {M::FullScreen, 0}},
        {{"/S"}, "", {M::FullScreen, 0}},
        {{"-s"}, "", {M::FullScreen, 0}},
        {{"--s"}, "", {M::Quit, 0}},  // only one leading dash is a switch mark
        {{"/p", "4711"}, "", {M::Preview, 4711}},
        {{"P", "0x1a"}, "", {M::Preview, 26}},
        {{"/p"}, "", {M::Quit, 0}},          // no window to draw into
        {{"/p", "window"}, "", {M::Quit, 0}},
        {{"/p", "12ab"}, "", {M::Quit, 0}},
        {{"/p", "0"}, "", {M::Quit, 0}},
        {{"-root"}, "", {M::FullScreen, 0}},
        {{"-root"}, "0x2e00007", {M::Preview, 0x2e00007}},
        {{"-root"}, "48234503", {M::Preview, 48234503}},
        {{"-root"}, "junk", {M::Quit, 0}},
        {{"-window-id", "0x400001"}, "", {M::Preview, 0x400001}},
        {{"--window-id", "77"}, "", {M::Preview, 77}},
        {{"--window-id=0x10"}, "", {M::Preview, 16}},
        {{"-window-id"}, "", {M::Quit, 0}},
        {{"-ROOT"}, "", {M::Quit, 0}},  // xscreensaver's switches are spelt as they are
        {{"/a"}, "", {M::Quit, 0}},
        {{"settings"}, "", {M::Quit, 0}},
        {{""}, "", {M::Quit, 0}},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args)
            shown += "[" + a + "]";
        const SaverCommand got = ParseSaverCommandLine(c.args, c.xscreensaverWindow);
        EXPECT_EQ(got.mode, c.expected.mode) << shown << " env " << c.xscreensaverWindow;
        EXPECT_EQ(got.window, c.expected.window) << shown << " env " << c.xscreensaverWindow;
    }
}

TEST(SaverCommandLine, SwitchMatchesWholeWordWithoutCase)
{
    EXPECT_TRUE(MatchSaverSwitch("/s", "s"));
    EXPECT_TRUE(MatchSaverSwitch("S", "s"));
    EXPECT_FALSE(MatchSaverSwitch("/", "s"));
    EXPECT_FALSE(MatchSaverSwitch("/ss", "s"));
    EXPECT_FALSE(MatchSaverSwitch("-/s", "s"));
    EXPECT_EQ(ParseSaverWindowId("18446744073709551616"), 0u);  // beyond 64 bits
}

} // namespace
