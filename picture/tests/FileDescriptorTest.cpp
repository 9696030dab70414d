// File descriptors: one per existing file name, new and temporary kinds,
// identity comparison, and the owned name strings.
#include "picture/FileDescriptor.h"

#include "FileTestData.h"

#include "lang/FlVal.h"
#include "lang/LsmStream.h"

#include <gtest/gtest.h>

#include <unistd.h>

using Fd = QnFileDescriptor;

TEST(FileDescriptor, ExistingFilesAreInternedByExactName)
{
    const size_t before = Fd::RegisteredCount();
    PpQnFileDescriptor a("/pictures/a.bmp", Fd::FD_EXISTING);
    PpQnFileDescriptor again("/pictures/a.bmp", Fd::FD_EXISTING);
    PpQnFileDescriptor upper("/pictures/A.bmp", Fd::FD_EXISTING);
    EXPECT_EQ(a.Get(), again.Get());
    EXPECT_NE(a.Get(), upper.Get());
    EXPECT_EQ(Fd::RegisteredCount(), before + 2);

    // New and temporary files always get a descriptor of their own.
    PpQnFileDescriptor fresh("/pictures/a.bmp", Fd::FD_NEW);
    PpQnFileDescriptor temp("/pictures/a.bmp", Fd::FD_TEMPORARY);
    EXPECT_NE(fresh.Get(), a.Get());
    EXPECT_NE(temp.Get(), a.Get());
    EXPECT_NE(PpQnFileDescriptor("/pictures/a.bmp", Fd::FD_NEW).Get(), fresh.Get());
    EXPECT_EQ(Fd::RegisteredCount(), before + 2);

    EXPECT_STREQ(a->GetFileName(), "/pictures/a.bmp");
    EXPECT_STREQ(a->GetRealFileName(), "/pictures/a.bmp");
    EXPECT_EQ(a->IsTemporary(), 0);
    EXPECT_EQ(temp->IsTemporary(), 1);
    EXPECT_EQ(fresh->GetKind(), Fd::FD_NEW);
}

TEST(FileDescriptor, AnUnreachedDescriptorLeavesTheRegistryAtACollection)
{
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1); // what earlier tests left
    const Fd* first = nullptr;
    {
        PpQnFileDescriptor a("/pictures/dropped.bmp", Fd::FD_EXISTING);
        first = a.Get();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        EXPECT_EQ(PpQnFileDescriptor("/pictures/dropped.bmp", Fd::FD_EXISTING).Get(), first)
            << "a held descriptor was dropped";
    }
    const size_t before = Fd::RegisteredCount();
    QnObj::CollectGarbage(QnObj::DF_FIX, -1);
    EXPECT_EQ(Fd::RegisteredCount(), before) << "a collection without discards dropped a cache";
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_EQ(Fd::RegisteredCount(), before - 1);
    PpQnFileDescriptor made("/pictures/dropped.bmp", Fd::FD_EXISTING);
    EXPECT_EQ(Fd::RegisteredCount(), before);
}

TEST(FileDescriptor, ComparesByIdentityAndOnlyWithDescriptors)
{
    PpQnFileDescriptor a("/x/a.bmp", Fd::FD_NEW);
    PpQnFileDescriptor b("/x/a.bmp", Fd::FD_NEW);
    EXPECT_EQ(a->Compare(PpQnFlVal(a)), 0);
    const int ab = a->Compare(PpQnFlVal(b));
    EXPECT_NE(ab, 0);
    EXPECT_EQ(b->Compare(PpQnFlVal(a)), -ab);
    EXPECT_EQ(ab, a.Get() < b.Get() ? -1 : 1);

    try {
        a->Compare(PpQnFlVal(int32_t(5)));
        ADD_FAILURE() << "compared with an integer";
    } catch (const QnCastExcept& e) {
        EXPECT_NE(std::string(e.what()).find("QnFileDescriptor"), std::string::npos) << e.what();
        EXPECT_EQ(std::string(e.where()).rfind("FileDesc", 0), 0u) << e.where();
    }
}

TEST(FileDescriptor, KindsRefuseWhatTheyCannotDo)
{
    TestFolder folder;
    const std::string path = folder / "p.bmp";
    TestFolder::Write(path, "bytes");

    PpQnFileDescriptor fresh(path.c_str(), Fd::FD_NEW);
    EXPECT_EQ(RaisedText([&] { LoadedBytes(fresh); }), "Can't load from newly created file");

    PpQnFileDescriptor temp(path.c_str(), Fd::FD_TEMPORARY);
    EXPECT_EQ(RaisedText([&] { SaveTo(MakeBytes("other"), temp); }), "Can't save object to temporary file");
    EXPECT_EQ(TestFolder::Read(path), "bytes");
    EXPECT_EQ(LoadedBytes(temp), "bytes");
}

TEST(FileDescriptor, ATemporaryFileGoesWithItsDescriptor)
{
    TestFolder folder;
    const std::string path = folder / "~sclg1.bmp";
    TestFolder::Write(path, "clipboard");
    {
        PpQnFileDescriptor temp(path.c_str(), Fd::FD_TEMPORARY);
        EXPECT_EQ(LoadedBytes(temp), "clipboard");
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        EXPECT_EQ(access(path.c_str(), F_OK), 0) << "deleted while held";
    }
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_NE(access(path.c_str(), F_OK), 0);

    // An existing file is never deleted with its descriptor.
    TestFolder::Write(folder / "keep.bmp", "k");
    PpQnFileDescriptor((folder / "keep.bmp").c_str(), Fd::FD_EXISTING);
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_EQ(TestFolder::Read(folder / "keep.bmp"), "k");
}

TEST(FileDescriptor, OpenReadsAndWritesTheRealFile)
{
    TestFolder folder;
    const std::string path = folder / "raw.dat";
    PpQnFileDescriptor dsc(path.c_str(), Fd::FD_TEMPORARY);
    {
        QnLsmStream out(PpQnLsmDsc(dsc), QnLsmDsc::DH_CREATE);
        out->Write("raw", 3);
    }
    QnLsmStream in(PpQnLsmDsc(dsc), QnLsmDsc::DH_READ);
    char buf[3];
    in->Read(buf, 3);
    EXPECT_EQ(std::string(buf, 3), "raw");
}

TEST(FileDescriptorStr, OwnsACopyOfItsText)
{
    Fd::Str s;
    EXPECT_EQ(static_cast<const char*>(s), nullptr);
    std::string text = "C:/a.bmp";
    s.settext(text.c_str());
    text[0] = 'D';
    EXPECT_STREQ(s, "C:/a.bmp");
    EXPECT_EQ(s.length(), 8u);
    s.settext(static_cast<const char*>(s) + 3); // its own text
    EXPECT_STREQ(s, "a.bmp");
    s.settext(nullptr);
    EXPECT_EQ(static_cast<const char*>(s), nullptr);
    EXPECT_EQ(s.length(), 0u);
}
