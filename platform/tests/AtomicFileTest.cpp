#include "platform/AtomicFile.h"
#include "platform/TempFile.h"

#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::AtomicFile;
using platform::TempFile;

TEST(TempFile, MakesANewPrivateFileWithThePrefixAndExtension)
{
    TestFolder folder;
    const std::string first = TempFile::Create(folder.Path(), "~qntmp", ".jpg");
    const std::string second = TempFile::Create(folder.Path() + "/", "~qntmp", ".jpg");
    EXPECT_NE(first, second);
    for (const std::string& path : {first, second}) {
        const std::string name = path.substr(path.rfind('/') + 1);
        EXPECT_EQ(path.substr(0, path.rfind('/')), folder.Path());
        EXPECT_EQ(name.substr(0, 6), "~qntmp");
        EXPECT_EQ(name.substr(name.size() - 4), ".jpg");
        struct stat info;
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_size, 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
    EXPECT_THROW(TempFile::Create(folder / "missing", "~sclg"), QnExcept);
}

TEST(AtomicFile, AFailedReplaceLeavesTheTargetAndNoTemporaryFile)
{
    TestFolder folder;
    const std::string target = folder / "picture.bmp";
    AtomicFile::Replace(target, std::string_view("new content"));
    EXPECT_EQ(TestFolder::Read(target), "new content");

    // A folder in the target's place cannot be renamed over.
    ASSERT_EQ(mkdir((folder / "taken").c_str(), 0700), 0);
    TestFolder::Write(folder / "taken/keep", "x");
    EXPECT_THROW(AtomicFile::Replace(folder / "taken", std::string_view("y")), QnExcept);
    EXPECT_EQ(TestFolder::Read(folder / "taken/keep"), "x");

    // A copy from a missing file leaves the target as it was.
    EXPECT_THROW(AtomicFile::Copy(folder / "missing", target), QnExcept);
    EXPECT_EQ(TestFolder::Read(target), "new content");
    EXPECT_EQ(folder.Count(), 2u);

    AtomicFile::Copy(target, folder / "copy.bmp");
    EXPECT_EQ(TestFolder::Read(folder / "copy.bmp"), "new content");
    EXPECT_EQ(AtomicFile::ReadIfExists(folder / "missing"), std::nullopt);
    EXPECT_THROW(AtomicFile::ReadIfExists(folder / "taken"), QnExcept);
}

namespace {

std::string Mode(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) != 0 ? "missing" : S_ISLNK(info.st_mode) ? "link" : "file";
}

} // namespace

TEST(AtomicFile, AFileNobodyMayWriteIsRefusedAndKept)
{
    TestFolder folder;
    const std::string target = folder / "locked.bmp";
    TestFolder::Write(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    try {
        AtomicFile::Replace(target, std::string_view("new"));
        FAIL() << "a read-only file was replaced";
    } catch (const QnExcept& error) {
        EXPECT_NE(std::string(error.what()).find("Permission denied"), std::string::npos) << error.what();
    }
    EXPECT_EQ(TestFolder::Read(target), "old");
    EXPECT_EQ(folder.Count(), 1u);
}

TEST(AtomicFile, LinksKeepPointingWhereTheyPointed)
{
    TestFolder folder;
    // A dangling link: the file it names is made, the link stays.
    ASSERT_EQ(symlink("made.bmp", (folder / "dangling").c_str()), 0);
    AtomicFile::Replace(folder / "dangling", std::string_view("one"));
    EXPECT_EQ(Mode(folder / "dangling"), "link");
    EXPECT_EQ(TestFolder::Read(folder / "made.bmp"), "one");
    // A chain of two links, the second one absolute.
    ASSERT_EQ(symlink((folder / "made.bmp").c_str(), (folder / "second").c_str()), 0);
    ASSERT_EQ(symlink("second", (folder / "first").c_str()), 0);
    AtomicFile::Replace(folder / "first", std::string_view("two"));
    EXPECT_EQ(Mode(folder / "first"), "link");
    EXPECT_EQ(Mode(folder / "second"), "link");
    EXPECT_EQ(TestFolder::Read(folder / "made.bmp"), "two");
    // A hard link: both names still name one file, which holds the new bytes.
    ASSERT_EQ(link((folder / "made.bmp").c_str(), (folder / "hard.bmp").c_str()), 0);
    struct stat before, after;
    ASSERT_EQ(stat((folder / "made.bmp").c_str(), &before), 0);
    AtomicFile::Replace(folder / "hard.bmp", std::string_view("three, longer"));
    ASSERT_EQ(stat((folder / "made.bmp").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(TestFolder::Read(folder / "made.bmp"), "three, longer");
    AtomicFile::Replace(folder / "hard.bmp", std::string_view("4"));
    EXPECT_EQ(TestFolder::Read(folder / "made.bmp"), "4");
    EXPECT_EQ(folder.Count(), 5u) << "a backup or temporary file was left";
}

TEST(AtomicFile, OwnerAndGroupAreKept)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a file another owner needs root";
    TestFolder folder;
    const std::string target = folder / "theirs.png";
    TestFolder::Write(target, "old");
    ASSERT_EQ(chown(target.c_str(), 4321, 8765), 0);
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    AtomicFile::Replace(target, std::string_view("new"));
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 8765u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(TestFolder::Read(target), "new");
}

TEST(AtomicFile, LeftoversOfSavesNoLongerRunningAreRemoved)
{
    TestFolder folder;
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    ASSERT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string dead = folder / (std::string(AtomicFile::kTempPrefix) + std::to_string(child) + ".a1b2c3.jpg");
    const std::string alive = folder / (std::string(AtomicFile::kTempPrefix) + std::to_string(getpid()) + ".d4e5f6");
    const std::string unknown = folder / (std::string(AtomicFile::kTempPrefix) + "x1y2z3");
    for (const std::string& path : {dead, alive, unknown})
        TestFolder::Write(path, "half a picture");
    AtomicFile::Replace(folder / "picture.bmp", std::string_view("whole"));
    EXPECT_EQ(Mode(dead), "missing");
    EXPECT_EQ(Mode(alive), "file");
    EXPECT_EQ(Mode(unknown), "file");
    EXPECT_EQ(folder.Count(), 3u);
}
