// Byte access to files: exact reads, positions, lengths, duplicates sharing
// a position, and the errors of each operation.
#include "picture/FileHandle.h"

#include "FileTestData.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Handles are released as the cache releases them.
struct HandleDeleter {
    void operator()(QnLsmHandle* h) const { h->qn_delete(); }
};
using Handle = std::unique_ptr<QnLsmHandle, HandleDeleter>;

Handle OpenFile(const std::string& path, QnLsmDsc::dh_mode mode)
{
    return Handle(new QnFileHandle(path.c_str(), mode));
}

std::string Where(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QnExcept& e) {
        return e.where();
    }
    return "";
}

} // namespace

TEST(FileHandle, ReadsExactlyAndRaisesAtAPrematureEnd)
{
    TestFolder folder;
    TestFolder::Write(folder / "ten", "0123456789");
    Handle h = OpenFile(folder / "ten", QnLsmDsc::DH_READ);

    char buf[16] = {};
    EXPECT_EQ(h->Read(buf, 0), 0u);
    EXPECT_EQ(h->Tell(), 0u);
    EXPECT_EQ(h->Read(buf, 6), 6u);
    EXPECT_EQ(std::string(buf, 6), "012345");
    EXPECT_EQ(RaisedText([&] { h->Read(buf, 10); }), "Premature end-of-file");
    EXPECT_EQ(Where([&] { h->Read(buf, 10); }).rfind("FileDesc", 0), 0u);
}

TEST(FileHandle, PositionsAndLengths)
{
    TestFolder folder;
    Handle h = OpenFile(folder / "f", QnLsmDsc::DH_CREATE);
    h->Write("abcdefgh", 8);
    EXPECT_EQ(h->Seek(2, QnLsmHandle::HP_BEGIN), 2u);
    EXPECT_EQ(h->Seek(3, QnLsmHandle::HP_CURRENT), 5u);
    EXPECT_EQ(h->Seek(-1, QnLsmHandle::HP_END), 7u);
    EXPECT_EQ(h->GetLength(), 8u);
    EXPECT_EQ(h->Tell(), 7u) << "GetLength moved the position";
    EXPECT_EQ(RaisedText([&] { h->Seek(-20, QnLsmHandle::HP_CURRENT); }), "Error seeking file");

    h->SetLength(3);
    EXPECT_EQ(h->GetLength(), 3u);
    EXPECT_EQ(h->Tell(), 3u);
    h->SetLength(5); // extended with zeros
    h->Flush();
    EXPECT_EQ(TestFolder::Read(folder / "f"), std::string("abc\0\0", 5));
}

TEST(FileHandle, ADuplicateSharesThePosition)
{
    TestFolder folder;
    TestFolder::Write(folder / "f", "abcdef");
    Handle h = OpenFile(folder / "f", QnLsmDsc::DH_READ);
    char buf[2];
    h->Read(buf, 2);
    Handle dup(h->Dup());
    dup->Read(buf, 2);
    EXPECT_EQ(std::string(buf, 2), "cd");
    EXPECT_EQ(h->Tell(), 4u);
    h.reset(); // the duplicate owns its own descriptor
    dup->Read(buf, 2);
    EXPECT_EQ(std::string(buf, 2), "ef");
}

TEST(FileHandle, OpenModes)
{
    TestFolder folder;
    const std::string missing = folder / "missing";
    EXPECT_EQ(RaisedText([&] { OpenFile(missing, QnLsmDsc::DH_READ); }), "Can't open file");
    EXPECT_EQ(RaisedText([&] { OpenFile(missing, QnLsmDsc::DH_READWRITE); }), "Can't open file");
    EXPECT_EQ(folder.Count(), 0u) << "opening an existing file made one";

    TestFolder::Write(folder / "f", "old content");
    OpenFile(folder / "f", QnLsmDsc::DH_READWRITE)->Write("OLD", 3);
    EXPECT_EQ(TestFolder::Read(folder / "f"), "OLD content");
    OpenFile(folder / "f", QnLsmDsc::DH_CREATE);
    EXPECT_EQ(TestFolder::Read(folder / "f"), "");
}

TEST(FileHandle, WriteErrors)
{
    TestFolder folder;
    TestFolder::Write(folder / "f", "x");
    Handle readOnly = OpenFile(folder / "f", QnLsmDsc::DH_READ);
    EXPECT_EQ(RaisedText([&] { readOnly->Write("y", 1); }), "Error writing file");
    readOnly->Write("y", 0); // nothing to write, nothing checked
    EXPECT_EQ(RaisedText([&] { readOnly->SetLength(0); }), "Error setting file length");

    Handle full = OpenFile("/dev/full", QnLsmDsc::DH_READWRITE);
    EXPECT_EQ(RaisedText([&] { full->Write("y", 1); }), "Disk full");
}

TEST(FileHandle, WrapsAnOpenDescriptorOwnedOrNot)
{
    TestFolder folder;
    TestFolder::Write(folder / "f", "abc");
    const int fd = open((folder / "f").c_str(), O_RDONLY);
    char c;
    Handle(new QnFileHandle(fd, 0))->Read(&c, 1);
    EXPECT_NE(fcntl(fd, F_GETFD), -1) << "a borrowed descriptor was closed";
    Handle(new QnFileHandle(fd, 1))->Read(&c, 1);
    EXPECT_EQ(c, 'b');
    EXPECT_EQ(fcntl(fd, F_GETFD), -1) << "an owned descriptor was left open";
}
