// The recent-file list: order, size, profile keys and menu texts.
#include <gtest/gtest.h>

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
