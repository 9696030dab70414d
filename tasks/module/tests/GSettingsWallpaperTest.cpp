// The desktop's wallpaper through gsettings, with a recording gsettings of
// our own first on PATH: what is read, and the calls that set it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <sstream>

#include "platform/tests/TestFolder.h"
#include "tasks/module/LdGSettingsWallpaper.h"

namespace {

// Keeps each key in a file of its own and logs every call, one a line.
const char kFakeGSettings[] = R"(#!/bin/sh
dir=$(dirname "$0")
echo "$*" >> "$dir/calls"
case "$1" in
get) cat "$dir/$3" 2>/dev/null || { echo "No such key" >&2; exit 1; } ;;
set) [ "$3" = picture-uri-dark ] && [ -e "$dir/no-dark" ] && exit 1
     printf '%s\n' "$4" > "$dir/$3" ;;
esac
)";

class GSettingsWallpaper : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = folder / "gsettings";
        TestFolder::Write(program, kFakeGSettings);
        chmod(program.c_str(), 0755);
    }

    void Key(const std::string& key, const std::string& printed) { TestFolder::Write(folder / key, printed + "\n"); }
    std::string Calls() const { return TestFolder::Read(folder / "calls"); }

    TestFolder folder;
    std::string program;
};

}  // namespace

TEST_F(GSettingsWallpaper, ReadsThePictureAndItsPlacement)
{
    CLdGSettingsWallpaper desktop(program);
    const struct {
        const char* uri;
        const char* options;
        CLdWallpaperBackend::State state;
    } cases[] = {
        {"'file:///home/me/my%20beach.jpg'", "'wallpaper'", {"/home/me/my beach.jpg", true, "wallpaper"}},
        {"'file:///home/me/it\\'s.png'", "'centered'", {"/home/me/it's.png", false, "centered"}},
        {"'file:///usr/share/backgrounds/a.png'", "'zoom'", {"/usr/share/backgrounds/a.png", false, "zoom"}},
        {"'file:///home/me/a.png'", "'none'", {"", false, ""}},
    };
    for (const auto& c : cases) {
        Key("picture-uri", c.uri);
        Key("picture-options", c.options);
        EXPECT_EQ(desktop.Current(), c.state) << c.uri;
    }
    // Reading sets nothing.
    EXPECT_EQ(Calls().find("set"), std::string::npos);
}

TEST_F(GSettingsWallpaper, SetsUriDarkUriAndPlacement)
{
    CLdGSettingsWallpaper desktop(program);
    desktop.Set({"/home/me/.config/Quendle/lodo40.bmp", true, ""});
    desktop.Set({"/tmp/a b.bmp", false, ""});
    desktop.Set({"/home/me/beach.jpg", false, "zoom"});  // a found state put back
    desktop.Set({"", true, ""});                          // no picture
    EXPECT_EQ(Calls(),
              "set org.gnome.desktop.background picture-uri 'file:///home/me/.config/Quendle/lodo40.bmp'\n"
              "set org.gnome.desktop.background picture-uri-dark 'file:///home/me/.config/Quendle/lodo40.bmp'\n"
              "set org.gnome.desktop.background picture-options 'wallpaper'\n"
              "set org.gnome.desktop.background picture-uri 'file:///tmp/a%20b.bmp'\n"
              "set org.gnome.desktop.background picture-uri-dark 'file:///tmp/a%20b.bmp'\n"
              "set org.gnome.desktop.background picture-options 'centered'\n"
              "set org.gnome.desktop.background picture-uri 'file:///home/me/beach.jpg'\n"
              "set org.gnome.desktop.background picture-uri-dark 'file:///home/me/beach.jpg'\n"
              "set org.gnome.desktop.background picture-options 'zoom'\n"
              "set org.gnome.desktop.background picture-options 'none'\n");
    // What was set reads back.
    desktop.Set({"/tmp/x.bmp", true, ""});
    EXPECT_EQ(desktop.Current(), (CLdWallpaperBackend::State{"/tmp/x.bmp", true, "wallpaper"}));
}

TEST_F(GSettingsWallpaper, OlderDesktopsAndMissingCommandsAreNoFailure)
{
    // No dark style: the picture and placement are set all the same.
    TestFolder::Write(folder / "no-dark", "");
    CLdGSettingsWallpaper older(program);
    older.Set({"/tmp/x.bmp", false, ""});
    EXPECT_EQ(older.Current(), (CLdWallpaperBackend::State{"/tmp/x.bmp", false, "centered"}));

    CLdGSettingsWallpaper missing(folder / "no-such-gsettings");
    EXPECT_EQ(missing.Current(), CLdWallpaperBackend::State{});
    missing.Set({"/tmp/x.bmp", true, ""});
}

TEST(GSettingsQuoting, QuotesAndUnquotesAsGSettingsDoes)
{
    EXPECT_EQ(CLdGSettingsWallpaper::Quote("it's a \\ test"), "'it\\'s a \\\\ test'");
    EXPECT_EQ(CLdGSettingsWallpaper::Unquote("'it\\'s a \\\\ test'"), "it's a \\ test");
    EXPECT_EQ(CLdGSettingsWallpaper::Unquote("\"double\""), "double");
    EXPECT_EQ(CLdGSettingsWallpaper::Unquote("''"), "");
    EXPECT_EQ(CLdGSettingsWallpaper::Unquote("bare"), std::nullopt);
    EXPECT_EQ(CLdGSettingsWallpaper::Unquote("'"), std::nullopt);
}
