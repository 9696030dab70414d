#include "platform/IniFile.h"

#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>
#include <functional>
#include <initializer_list>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::IniFile;

namespace {

// A figure of /proc/self/status in kB ("VmRSS", "VmHWM").
long StatusKb(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(name + ":"))
            return std::stol(line.substr(name.size() + 1));
    return -1;
}

// Built by appending: g++ 12 warns falsely on chains of string additions.
std::string Joined(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += part;
    return text;
}

} // namespace

TEST(IniFile, AMissingFileGivesTheDefaults)
{
    TestFolder folder;
    IniFile ini(folder / "Telvy12.INI");
    EXPECT_EQ(ini.GetString("PLUGIN_DIR", "dir", "none"), "none");
    EXPECT_EQ(ini.GetInt("INTERFACE", "UndoDepth", 5), 5);
    EXPECT_EQ(folder.Count(), 0u);
}

TEST(IniFile, IntegerReadsGiveTheDefaultOnlyForAnAbsentKey)
{
    TestFolder folder;
    TestFolder::Write(folder / "a.INI", "[BRUSH]\nSize=\nShape=abc\nR=-3x\n");
    IniFile ini(folder / "a.INI");
    EXPECT_EQ(ini.GetInt("brush", "Size", 15), 0);
    EXPECT_EQ(ini.GetInt("brush", "Shape", 15), 0);
    EXPECT_EQ(ini.GetInt("brush", "R", 15), -3);
    EXPECT_EQ(ini.GetInt("brush", "G", 15), 15);
}

TEST(IniFile, WritesCreateTheFileAndKeepEveryOtherLine)
{
    TestFolder folder;
    const std::string path = folder / "Telvy12.INI";
    IniFile ini(path);
    ini.WriteInt("COLOR", "Fore_R", 255);
    ini.WriteInt("COLOR", "Fore_G", -1);
    ini.WriteString("PLUGIN_DIR", "dir", "/opt/plugins");
    EXPECT_EQ(TestFolder::Read(path), "[COLOR]\nFore_R=255\nFore_G=-1\n\n[PLUGIN_DIR]\ndir=/opt/plugins\n");

    TestFolder::Write(path, "; the user's notes\r\n[color]\r\nFore_R = 255 \r\nFore_G=-1\r\n\r\n[PLUGIN_DIR]\r\ndir=/x\r\n");
    ini.WriteInt("Color", "FORE_R", 7);
    EXPECT_EQ(TestFolder::Read(path),
              "; the user's notes\r\n[color]\r\nFore_R = 7\r\nFore_G=-1\r\n\r\n[PLUGIN_DIR]\r\ndir=/x\r\n");
    EXPECT_EQ(ini.GetInt("COLOR", "Fore_R", 0), 7);
    EXPECT_EQ(folder.Count(), 2u); // the file and its lock file: no temporary file left
}

TEST(IniFile, AWriteKeepsTheFilesPermissionsAndFollowsALink)
{
    TestFolder folder;
    const std::string real = folder / "real.INI";
    TestFolder::Write(real, "[S]\nk=1\n");
    chmod(real.c_str(), 0640);
    ASSERT_EQ(symlink(real.c_str(), (folder / "link.INI").c_str()), 0);

    IniFile(folder / "link.INI").WriteInt("S", "k", 2);
    struct stat info;
    ASSERT_EQ(lstat((folder / "link.INI").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(TestFolder::Read(real), "[S]\nk=2\n");
}

TEST(IniFile, AFailedWriteRaisesAndLeavesNothingBehind)
{
    TestFolder folder;
    IniFile inMissingFolder(folder / "no/such/folder/a.INI");
    EXPECT_THROW(inMissingFolder.WriteInt("S", "k", 1), QnExcept);

    // A path that cannot be read as a file reads as defaults, and is never
    // taken for an empty file by a write.
    ASSERT_EQ(mkdir((folder / "dir.INI").c_str(), 0700), 0);
    IniFile unreadable(folder / "dir.INI");
    EXPECT_EQ(unreadable.GetInt("S", "k", 4), 4);
    EXPECT_THROW(unreadable.WriteInt("S", "k", 1), QnExcept);
    struct stat info;
    ASSERT_EQ(stat((folder / "dir.INI").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST(IniFile, AnInvalidNameRaisesAndLeavesTheFileAlone)
{
    TestFolder folder;
    const std::string path = folder / "a.INI";
    TestFolder::Write(path, "[S]\nk=1\n");
    EXPECT_THROW(IniFile(path).WriteString("S", "k", "two\nlines"), QnExcept);
    EXPECT_EQ(TestFolder::Read(path), "[S]\nk=1\n");
}

TEST(IniFile, SixteenMegabytesOfBlankLinesTakeLittleMoreThanTheirSize)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // The sanitizers keep freed memory aside and pad every block: the
    // high-water mark says nothing about the reader then.
    GTEST_SKIP() << "memory use is not measurable under a sanitizer";
#endif
    TestFolder folder;
    const std::string path = folder / "blank.INI";
    constexpr size_t kBlank = size_t(16) << 20;
    {
        std::string text(kBlank, '\n');
        text += "[S]\nk=7\n";
        TestFolder::Write(path, text);
    }
    IniFile ini(path);
    const long before = StatusKb("VmRSS");
    EXPECT_EQ(ini.GetInt("S", "k", 0), 7);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(IniFile(path).GetInt("S", "k", 0), 7);
    const long grownKb = StatusKb("VmHWM") - before;
    EXPECT_LT(grownKb, long(4 * kBlank / 1024)) << grownKb << " kB for a file of " << kBlank / 1024 << " kB";
}

TEST(IniFile, TwoProcessesWritingTheSameFileBothKeepTheirKeys)
{
    TestFolder folder;
    const std::string path = folder / "shared.INI";
    constexpr int kKeys = 40;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            IniFile ini(path);
            for (int i = 0; i < kKeys; ++i) {
                const std::string key = Joined({"k", std::to_string(child), "_", std::to_string(i)});
                ini.WriteInt(child == 0 ? "S" : "s", key, i);
                // Each reads what it wrote, through the parse it keeps.
                if (ini.GetInt("S", key, -1) != i)
                    _exit(1);
            }
            _exit(0);
        }
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    IniFile ini(path);
    for (int child = 0; child < 2; ++child)
        for (int i = 0; i < kKeys; ++i)
            EXPECT_EQ(ini.GetInt("S", Joined({"K", std::to_string(child), "_", std::to_string(i)}), -1), i);
}

TEST(IniFile, AChangeByAnotherProgramIsSeenAtTheNextRead)
{
    TestFolder folder;
    const std::string path = folder / "a.INI";
    IniFile ini(path);
    // Changes in place of the same size, as fast as they come: the stamp
    // alone may not tell them apart.
    for (int i = 0; i < 10; ++i) {
        TestFolder::Write(path, Joined({"[S]\nk=", std::to_string(i), "\n"}));
        EXPECT_EQ(ini.GetInt("S", "k", -1), i);
    }
}
