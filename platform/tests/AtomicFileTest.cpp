#include "platform/AtomicFile.h"
#include "platform/TempFile.h"

#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
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
