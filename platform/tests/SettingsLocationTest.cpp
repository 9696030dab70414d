#include "platform/ProgramLocation.h"
#include "platform/SettingsLocation.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using platform::ProgramLocation;
using platform::SettingsLocation;

TEST(SettingsLocation, ConfigRootFollowsTheEnvironment)
{
    const struct {
        const char* qnHome;
        const char* xdgHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/q", "/x", "/h", "/q"},
        {nullptr, "/x/", "/h", "/x"},
        {nullptr, "relative", "/h", "/h/.config"},
        {"", nullptr, "/h", "/h/.config"},
    };
    for (const auto& c : cases) {
        for (auto [name, value] : {std::pair{"QN_CONFIG_HOME", c.qnHome}, {"XDG_CONFIG_HOME", c.xdgHome},
                                   {"HOME", c.home}}) {
            if (value)
                setenv(name, value, 1);
            else
                unsetenv(name);
        }
        EXPECT_EQ(SettingsLocation::ConfigRoot(), c.expected);
    }
}

TEST(SettingsLocation, TheShippedDefaultIsCopiedOnFirstUseOnly)
{
    TestFolder config, shipped;
    setenv("QN_CONFIG_HOME", config.Path().c_str(), 1);
    TestFolder::Write(shipped / "Telvy12.INI", "[Tasks]\nlibs=1\n");

    const std::string path = SettingsLocation::SettingsFile("Telvy12.INI", "Telvy12", shipped.Path());
    EXPECT_EQ(path, config.Path() + "/Telvy12/Telvy12.INI");
    EXPECT_EQ(TestFolder::Read(path), "[Tasks]\nlibs=1\n");

    TestFolder::Write(path, "[Tasks]\nlibs=2\n");
    EXPECT_EQ(SettingsLocation::SettingsFile("Telvy12.INI", "Telvy12", shipped.Path()), path);
    EXPECT_EQ(TestFolder::Read(path), "[Tasks]\nlibs=2\n");

    // Nothing shipped: the path is given and no file is made.
    const std::string other = SettingsLocation::SettingsFile("rubber.INI", "Telvy12", shipped.Path());
    EXPECT_EQ(other, config.Path() + "/Telvy12/rubber.INI");
    EXPECT_FALSE(std::filesystem::exists(other));
}

TEST(ProgramLocation, NamesTheProgramAndResolvesNamesBesideIt)
{
    const std::string folder = ProgramLocation::ProgramFolder();
    EXPECT_EQ(ProgramLocation::ProgramName(), "qnplatform_tests");
    EXPECT_EQ(ProgramLocation::ProgramPath(), folder + "qnplatform_tests");
    EXPECT_EQ(ProgramLocation::ResolveBesideProgram("Wrenkit.so"), folder + "Wrenkit.so");
    EXPECT_EQ(ProgramLocation::ResolveBesideProgram("/opt/Wrenkit.so"), "/opt/Wrenkit.so");
    EXPECT_EQ(ProgramLocation::ResolveBesideProgram("sub/Wrenkit.so"), "sub/Wrenkit.so");
}
