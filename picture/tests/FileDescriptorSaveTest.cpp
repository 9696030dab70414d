// Saves through file descriptors: a temporary file beside the target takes
// the target's place only when complete; a failed save leaves the target
// byte-identical and nothing behind; a descriptor that still reads the old
// file gets a private copy first.
#include "picture/FileDescriptor.h"

#include "FileTestData.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using Fd = QnFileDescriptor;

namespace {

std::string NameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }
std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

class FileSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        BytesData::writtenTo.clear();
        BytesData::targetDuringSave.clear();
        BytesData::loads = 0;
    }
    // Drops every cache that nothing holds: bound objects, registry entries.
    static void DropCaches() { QnObj::CollectGarbage(QnObj::DF_DISCARD, -1); }

    TestFolder folder;
};

} // namespace

TEST_F(FileSave, ANewFileIsWrittenBesideTheTargetAndRenamedOverIt)
{
    const std::string target = folder / "photo.JPG";
    TestFolder::Write(target, "old bytes");
    PpQnFileDescriptor dsc(target.c_str(), Fd::FD_NEW);
    QnPp<BytesData> obj = MakeBytes("new bytes");

    EXPECT_EQ(SaveTo(obj, dsc), 0);
    // The temporary file lay beside the target with its extension, and the
    // target was untouched while it was written.
    EXPECT_EQ(FolderOf(BytesData::writtenTo), folder.Path());
    EXPECT_EQ(NameOf(BytesData::writtenTo).rfind("~qntmp", 0), 0u);
    EXPECT_EQ(NameOf(BytesData::writtenTo).substr(NameOf(BytesData::writtenTo).size() - 4), ".JPG");
    EXPECT_EQ(BytesData::targetDuringSave, "old bytes");

    EXPECT_EQ(TestFolder::Read(target), "new bytes");
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_EQ(dsc->GetKind(), Fd::FD_EXISTING);
    EXPECT_STREQ(dsc->GetRealFileName(), target.c_str());
    EXPECT_EQ(dsc->IsTemporary(), 0);
    // An exact save registers the descriptor, bound to what it saved.
    EXPECT_EQ(PpQnFileDescriptor(target.c_str(), Fd::FD_EXISTING).Get(), dsc.Get());
    EXPECT_EQ(LoadedBytes(dsc), "new bytes");
    EXPECT_EQ(BytesData::loads, 0);
}

TEST_F(FileSave, AnExistingFilesDescriptorSavesThroughATemporaryFileToo)
{
    const std::string target = folder / "a.bmp";
    TestFolder::Write(target, "version 1");
    PpQnFileDescriptor dsc(target.c_str(), Fd::FD_EXISTING);
    EXPECT_EQ(SaveTo(MakeBytes("version 2"), dsc), 0);
    EXPECT_NE(BytesData::writtenTo, target);
    EXPECT_EQ(BytesData::targetDuringSave, "version 1");
    EXPECT_EQ(TestFolder::Read(target), "version 2");
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_EQ(PpQnFileDescriptor(target.c_str(), Fd::FD_EXISTING).Get(), dsc.Get());
}

TEST_F(FileSave, ADescriptorOfTheOldFileReadsItsPrivateCopyAfterAnotherSavedOverIt)
{
    const std::string target = folder / "shared.bmp";
    TestFolder::Write(target, "old bytes");
    PpQnFileDescriptor reader(target.c_str(), Fd::FD_EXISTING);
    EXPECT_EQ(LoadedBytes(reader), "old bytes");

    PpQnFileDescriptor writer(target.c_str(), Fd::FD_NEW);
    ASSERT_EQ(SaveTo(MakeBytes("new bytes"), writer), 0);
    EXPECT_EQ(TestFolder::Read(target), "new bytes");

    // The reader was detached onto a copy beside the file, and loads from it
    // once its bound object has been dropped.
    EXPECT_STRNE(reader->GetRealFileName(), target.c_str());
    EXPECT_EQ(reader->IsTemporary(), 1);
    EXPECT_EQ(FolderOf(reader->GetRealFileName()), folder.Path());
    DropCaches();
    EXPECT_EQ(LoadedBytes(reader), "old bytes");
    EXPECT_EQ(BytesData::loads, 2);
    EXPECT_EQ(PpQnFileDescriptor(target.c_str(), Fd::FD_EXISTING).Get(), writer.Get());

    // The copy goes when the reader is reclaimed.
    const std::string copy = reader->GetRealFileName();
    EXPECT_EQ(folder.Count(), 2u);
    reader.Reset();
    DropCaches();
    EXPECT_NE(access(copy.c_str(), F_OK), 0);
    EXPECT_EQ(folder.Count(), 1u);
}

TEST_F(FileSave, DetachingByNameKeepsTheOldBytesForTheDescriptor)
{
    const std::string target = folder / "b.bmp";
    TestFolder::Write(target, "before");
    PpQnFileDescriptor reader(target.c_str(), Fd::FD_EXISTING);
    Fd::Sync(target.c_str());
    Fd::Sync((folder / "nobody.bmp").c_str()); // no descriptor: nothing happens
    TestFolder::Write(target, "after");        // rewritten in place by someone else
    EXPECT_EQ(LoadedBytes(reader), "before");
    PpQnFileDescriptor newcomer(target.c_str(), Fd::FD_EXISTING);
    EXPECT_NE(newcomer.Get(), reader.Get());
    EXPECT_EQ(LoadedBytes(newcomer), "after");
}

TEST_F(FileSave, SavingToADetachedDescriptorReplacesTheFileAndDropsItsCopy)
{
    const std::string target = folder / "c.bmp";
    TestFolder::Write(target, "before");
    PpQnFileDescriptor detached(target.c_str(), Fd::FD_EXISTING);
    Fd::Sync(target.c_str());
    const std::string copy = detached->GetRealFileName();
    PpQnFileDescriptor newcomer(target.c_str(), Fd::FD_EXISTING);

    EXPECT_EQ(SaveTo(MakeBytes("saved"), detached), 0);
    EXPECT_EQ(TestFolder::Read(target), "saved");
    EXPECT_NE(access(copy.c_str(), F_OK), 0);
    EXPECT_STREQ(detached->GetRealFileName(), target.c_str());
    EXPECT_EQ(detached->IsTemporary(), 0);
    EXPECT_EQ(PpQnFileDescriptor(target.c_str(), Fd::FD_EXISTING).Get(), detached.Get());
    // The newcomer had the file registered: it now reads its own copy.
    EXPECT_EQ(LoadedBytes(newcomer), "before");
    EXPECT_EQ(folder.Count(), 2u);
}

// Each way a save can fail leaves the target as it was, no temporary file,
// and a descriptor that saves again as if nothing had happened.
struct SaveFailure {
    const char* name;
    Fd::fd_type kind;
    bool writerFails;     // SaveData raises half-way
    bool folderReadOnly;  // the temporary file cannot be made
};

void PrintTo(const SaveFailure& c, std::ostream* os) { *os << c.name; }

class FailedSave : public FileSave, public ::testing::WithParamInterface<SaveFailure> {};

TEST_P(FailedSave, LeavesTheTargetByteIdenticalAndNothingBehind)
{
    const SaveFailure& c = GetParam();
    const std::string target = folder / "keep.png";
    const std::string original("\x89PNG\r\n\x1a\n original", 18);
    TestFolder::Write(target, original);
    PpQnFileDescriptor dsc(target.c_str(), c.kind);
    QnPp<BytesData> obj = MakeBytes("replacement that must not land");
    obj->failMidway = c.writerFails;

    bool dropped = false;
    if (c.folderReadOnly) {
        ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
        // The superuser writes anywhere: become nobody for the save.
        dropped = geteuid() == 0 && seteuid(65534) == 0;
        if (geteuid() == 0)
            GTEST_SKIP() << "cannot give up the superuser's rights";
    }
    const std::string text = RaisedText([&] { SaveTo(obj, dsc); });
    if (dropped) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(folder.Path().c_str(), 0700);

    EXPECT_NE(text, "(nothing raised)");
    EXPECT_EQ(TestFolder::Read(target), original);
    EXPECT_EQ(folder.Count(), 1u) << "a temporary file was left behind";
    EXPECT_EQ(dsc->GetKind(), c.kind);
    EXPECT_STREQ(dsc->GetRealFileName(), target.c_str());
    EXPECT_EQ(dsc->IsTemporary(), 0);
    EXPECT_FALSE(dsc->IsAssociated());

    obj->failMidway = false;
    EXPECT_EQ(SaveTo(obj, dsc), 0);
    EXPECT_EQ(TestFolder::Read(target), "replacement that must not land");
    EXPECT_EQ(folder.Count(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Ways, FailedSave,
                         ::testing::Values(SaveFailure{"NewFileWriterError", Fd::FD_NEW, true, false},
                                           SaveFailure{"ExistingFileWriterError", Fd::FD_EXISTING, true, false},
                                           SaveFailure{"NewFileReadOnlyFolder", Fd::FD_NEW, false, true},
                                           SaveFailure{"ExistingFileReadOnlyFolder", Fd::FD_EXISTING, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileSave, AReplaceThatFailsAfterTheWriteReachesTheCaller)
{
    // A folder stands where the file should go: the final rename fails.
    const std::string target = folder / "taken.bmp";
    ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
    TestFolder::Write(target + "/inside", "x");
    PpQnFileDescriptor dsc(target.c_str(), Fd::FD_NEW);
    const std::string text = RaisedText([&] { SaveTo(MakeBytes("data"), dsc); });
    EXPECT_EQ(text.rfind("Can't write file " + target, 0), 0u) << text;
    EXPECT_EQ(TestFolder::Read(target + "/inside"), "x");
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_FALSE(dsc->IsAssociated());
    EXPECT_EQ(dsc->GetKind(), Fd::FD_NEW);
}

TEST_F(FileSave, NoReplaceWhileTheOldFileCannotBeKeptForItsReader)
{
    const std::string target = folder / "guarded.bmp";
    TestFolder::Write(target, "old bytes");
    PpQnFileDescriptor reader(target.c_str(), Fd::FD_EXISTING);
    PpQnFileDescriptor writer(target.c_str(), Fd::FD_NEW);

    // The saver may write the folder but not read the old file, so no
    // private copy can be made for the reader.
    ASSERT_EQ(chmod(folder.Path().c_str(), 0777), 0);
    ASSERT_EQ(chmod(target.c_str(), 0200), 0);
    const bool dropped = geteuid() == 0 && seteuid(65534) == 0;
    if (geteuid() == 0)
        GTEST_SKIP() << "cannot give up the superuser's rights";
    const std::string text = RaisedText([&] { SaveTo(MakeBytes("new bytes"), writer); });
    if (dropped) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(target.c_str(), 0600);

    EXPECT_EQ(text.rfind("Can't copy file " + target, 0), 0u) << text;
    EXPECT_EQ(TestFolder::Read(target), "old bytes");
    EXPECT_EQ(folder.Count(), 1u);
    EXPECT_STREQ(reader->GetRealFileName(), target.c_str());
    EXPECT_EQ(PpQnFileDescriptor(target.c_str(), Fd::FD_EXISTING).Get(), reader.Get());
    EXPECT_EQ(writer->GetKind(), Fd::FD_NEW);
}

TEST_F(FileSave, ALossySaveLeavesTheNameToBeReadAfresh)
{
    const std::string target = folder / "photo.jpg";
    PpQnFileDescriptor dsc(target.c_str(), Fd::FD_NEW);
    QnPp<BytesData> obj = MakeBytes("lossy");
    obj->lossy = 1;
    EXPECT_EQ(SaveTo(obj, dsc), 1);
    EXPECT_EQ(TestFolder::Read(target), "lossy");
    EXPECT_EQ(dsc->GetKind(), Fd::FD_EXISTING);
    PpQnFileDescriptor fresh(target.c_str(), Fd::FD_EXISTING);
    EXPECT_NE(fresh.Get(), dsc.Get());
    EXPECT_EQ(LoadedBytes(fresh), "lossy");
    EXPECT_EQ(BytesData::loads, 1);

    // A lossy save by the registered descriptor takes it out of the registry.
    QnPp<BytesData> second = MakeBytes("lossy again");
    second->lossy = 1;
    fresh.Reset();
    DropCaches();
    PpQnFileDescriptor registered(target.c_str(), Fd::FD_EXISTING);
    EXPECT_EQ(SaveTo(second, registered), 1);
    EXPECT_EQ(TestFolder::Read(target), "lossy again");
    EXPECT_NE(PpQnFileDescriptor(target.c_str(), Fd::FD_EXISTING).Get(), registered.Get());
}

TEST_F(FileSave, TheTargetKeepsItsModeAndALinkStaysALink)
{
    const std::string real = folder / "real.bmp";
    const std::string link = folder / "link.bmp";
    TestFolder::Write(real, "v1");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);

    EXPECT_EQ(SaveTo(MakeBytes("v2"), PpQnFileDescriptor(link.c_str(), Fd::FD_NEW)), 0);
    struct stat info;
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(TestFolder::Read(real), "v2");
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const std::string fresh = folder / "fresh.bmp";
    EXPECT_EQ(SaveTo(MakeBytes("n"), PpQnFileDescriptor(fresh.c_str(), Fd::FD_NEW)), 0);
    ASSERT_EQ(stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(FileSave, AReadOnlyFileIsRefusedBeforeAnythingIsWritten)
{
    const std::string target = folder / "kept.png";
    TestFolder::Write(target, "v1");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const std::string raised = RaisedText([&] { SaveTo(MakeBytes("v2"), PpQnFileDescriptor(target.c_str(), Fd::FD_NEW)); });
    EXPECT_NE(raised.find("Permission denied"), std::string::npos) << raised;
    EXPECT_TRUE(BytesData::writtenTo.empty()) << "written to " << BytesData::writtenTo;
    EXPECT_EQ(TestFolder::Read(target), "v1");
    EXPECT_EQ(folder.Count(), 1u);
}
