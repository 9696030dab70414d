#include "platform/Module.h"
#include "platform/ProgramLocation.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::Module;

TEST(Module, LoadsLooksUpEntriesAndUnloads)
{
    Module module;
    ASSERT_TRUE(module.Load(TEST_MODULE_PATH)) << module.Error();
    EXPECT_EQ(module.Path(), TEST_MODULE_PATH);
    auto* answer = module.Entry<int()>("TestModuleAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(Module::PathOfAddress(reinterpret_cast<const void*>(answer)), TEST_MODULE_PATH);

    // Entries with hidden visibility are not exported.
    EXPECT_EQ(module.Symbol("qn_own_resources"), nullptr);
    EXPECT_NE(module.Error().find("qn_own_resources"), std::string::npos) << module.Error();

    Module moved = std::move(module);
    EXPECT_FALSE(module.IsLoaded());
    EXPECT_TRUE(moved.IsLoaded());
    moved.Unload();
    EXPECT_FALSE(moved.IsLoaded());
    EXPECT_EQ(moved.Symbol("TestModuleAnswer"), nullptr);
}

TEST(Module, AFailureGivesTheReasonAsText)
{
    Module module;
    EXPECT_FALSE(module.Load("/no/such/Wrenkit.so"));
    EXPECT_NE(module.Error().find("/no/such/Wrenkit.so"), std::string::npos) << module.Error();
    EXPECT_FALSE(module.IsLoaded());

    // A bare name is looked for beside the program, never on the library path.
    EXPECT_FALSE(module.Load("libc.so.6"));
    EXPECT_EQ(module.Path(), platform::ProgramLocation::ProgramFolder() + "libc.so.6");

    // A file that is no module.
    EXPECT_FALSE(module.Load(TEST_DATA_DIR "/tiny.bmp"));
    EXPECT_FALSE(module.Error().empty());
}

TEST(Module, AModuleOpenedByARelativePathNamesItsAbsoluteFile)
{
    Module module;
    ASSERT_TRUE(module.Load(std::filesystem::relative(TEST_MODULE_PATH).string())) << module.Error();
    auto* answer = module.Entry<int()>("TestModuleAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(Module::PathOfAddress(reinterpret_cast<const void*>(answer)), TEST_MODULE_PATH);
}

TEST(Module, TheProgramsOwnAddressesNameTheProgram)
{
    static int here;
    EXPECT_EQ(Module::PathOfAddress(&here), platform::ProgramLocation::ProgramPath());
    EXPECT_EQ(Module::PathOfAddress(nullptr), "");
}
