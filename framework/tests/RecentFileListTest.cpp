// The recent-file list: order, size, profile keys and menu texts.
#include <gtest/gtest.h>

#include <cstdio>

#include "framework/App.h"
#include "framework/IniProfile.h"
#include "framework/ProfileStore.h"
#include "framework/RecentFileList.h"

namespace {

TEST(RecentFileList, NewestFirstWithoutRepeatsAndCut)
{
    fw::RecentFileList list(4);
    for (const char* name : {"/a/1.bmp", "/a/2.bmp", "/a/3.bmp", "/a/1.bmp", "/a/4.bmp", "/a/5.bmp"})
        list.Add(name);
    EXPECT_EQ(list.GetNames(), (std::vector<std::string>{"/a/5.bmp", "/a/4.bmp", "/a/1.bmp", "/a/3.bmp"}));
    EXPECT_EQ(list.GetDisplayName(0), "&1 /a/5.bmp");
    EXPECT_EQ(list.GetDisplayName(2, "/a"), "&3 1.bmp");
}

TEST(RecentFileList, KeptInTheProfileUnderItsKeys)
{
    fw::MemoryProfile profile;
    fw::RecentFileList list(4);
    list.Add("/p/old.bmp");
    list.Add("/p/new&odd.bmp");
    list.WriteList(profile);
    EXPECT_EQ(profile.GetString("Recent File List", "File1", ""), "/p/new&odd.bmp");
    EXPECT_EQ(profile.GetString("recent file list", "file2", ""), "/p/old.bmp");
    EXPECT_EQ(profile.GetString("Recent File List", "File3", "absent"), "absent");

    fw::RecentFileList back(4);
    back.ReadList(profile);
    EXPECT_EQ(back.GetNames(), list.GetNames());
    EXPECT_EQ(back.GetDisplayName(0), "&1 /p/new&&odd.bmp");

    // An entry that left the list is emptied in the profile.
    back.Remove(1);
    back.WriteList(profile);
    EXPECT_EQ(profile.GetString("Recent File List", "File2", "absent"), "");
}

}  // namespace

namespace {

// The application's recent files go to and come from its INI file.
TEST(RecentFileList, ReadAndWrittenThroughTheProgramsIniFile)
{
    const std::string path = ::testing::TempDir() + "fw_profile_test.ini";
    std::remove(path.c_str());
    {
        FILE* f = std::fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs("[COLOR]\nFore_R=12\n[recent file list]\nfile1=/pics/a.bmp\n", f);
        std::fclose(f);
    }
    fw::App app("fwtest");
    app.SetProfileFile(path);
    app.LoadStdProfileSettings(4);
    ASSERT_NE(app.GetRecentFileList(), nullptr);
    EXPECT_EQ(app.GetRecentFileList()->GetNames(), std::vector<std::string>{"/pics/a.bmp"});
    app.AddToRecentFileList("/pics/b.bmp");
    app.ExitInstance();

    fw::IniProfile ini(path);
    EXPECT_EQ(ini.GetString("Recent File List", "File1", ""), "/pics/b.bmp");
    EXPECT_EQ(ini.GetString("Recent File List", "File2", ""), "/pics/a.bmp");
    EXPECT_EQ(ini.GetInt("COLOR", "Fore_R", 255), 12);  // other settings untouched
    std::remove(path.c_str());
}

}  // namespace
