// Damaged and truncated album files are refused with the system's message
// and leave the open album as it was; a save that fails leaves the old file
// byte for byte and the album in memory unchanged.
#include <gtest/gtest.h>

#include <QDir>
#include <csignal>
#include <sys/resource.h>

#include "AlbumTestSupport.h"
#include "SmallAlbum.h"
#include "framework/Archive.h"
#include "framework/Exception.h"

namespace albumtest {
namespace {

class AlbumFileErrors : public AlbumFixture {
protected:
    // An album with a file of its own, changed since and with an undo step.
    void SetUp() override
    {
        AlbumFixture::SetUp();
        doc.InsertRecord(MakeRecord(Folder() + "kept.jpg", "kept", 1, 2));
        doc.comments = "the open album";
        ASSERT_TRUE(doc.OnSaveDocument(PathOf("open.ova")));
        doc.TakeSnapshot();
        doc.GetRecords()[0]->alias = "changed";
        doc.SetModifiedFlag(true);
        before = ValueOf(doc);
    }
    void ExpectUnchanged()
    {
        EXPECT_EQ(ValueOf(doc), before);
        EXPECT_EQ(doc.GetCurrentPath(), PathOf("open.ova"));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.HasSnapshot());
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            names.push_back(name.toStdString());
        return names;
    }

    COvalbumDoc doc;
    AlbumValue before;
};

TEST_F(AlbumFileErrors, WrongSignatureSaysWrongVersionAndReadsNothing)
{
    for (const auto& [offset, value] : {std::pair<size_t, uint8_t>{1, 'X'}, {0, 22}, {10, '2'}}) {
        std::vector<uint8_t> bytes = SmallAlbumBytes();
        bytes[offset] = value;
        WriteBytes(PathOf("bad.ova"), bytes);
        messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(PathOf("bad.ova")));
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0].text, "Wrong document version!");
        EXPECT_EQ(messages[0].type & fw::MB_ICONMASK, fw::MB_ICONSTOP);
        ExpectUnchanged();
    }
}

TEST_F(AlbumFileErrors, TruncatedFilesGiveTheArchiveErrorAndLoadNothing)
{
    const std::vector<uint8_t> good = SmallAlbumBytes();
    ASSERT_EQ(good.size(), small::kSize);
    for (size_t length : {size_t(0), size_t(1), size_t(23), size_t(30), small::kCount, small::kClassName + 3,
                          small::kFirstRecord + 5, small::kSecondTag, small::kThumbnail, small::kThumbnail + 7000,
                          small::kSize - 1}) {
        WriteBytes(PathOf("short.ova"), std::vector<uint8_t>(good.begin(), good.begin() + long(length)));
        messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(PathOf("short.ova"))) << length;
        ASSERT_EQ(messages.size(), 1u) << length;
        EXPECT_NE(messages[0].text.find("Unexpected end of file"), std::string::npos) << messages[0].text;
        ExpectUnchanged();
    }
}

TEST_F(AlbumFileErrors, DamagedRecordListIsRefused)
{
    struct Damage {
        const char* what;
        size_t offset;
        std::vector<uint8_t> bytes;
        std::vector<uint8_t> appended;
    };
    const Damage cases[] = {
        {"unknown class", small::kClassName + 10, {'X'}, {}},
        {"other schema", small::kSchema, {1}, {}},
        {"more records than stored", small::kCount, {3}, {}},
        {"second record refers to the first", small::kSecondTag, {0x02, 0x00}, {}},
        {"a null record", small::kCount, {3}, {0, 0}},
        {"a class tag never introduced", small::kSecondTag, {0x05, 0x80}, {}},
    };
    for (const Damage& d : cases) {
        std::vector<uint8_t> bytes = SmallAlbumBytes();
        std::copy(d.bytes.begin(), d.bytes.end(), bytes.begin() + long(d.offset));
        bytes.insert(bytes.end(), d.appended.begin(), d.appended.end());
        WriteBytes(PathOf("damaged.ova"), bytes);
        messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(PathOf("damaged.ova"))) << d.what;
        ASSERT_EQ(messages.size(), 1u) << d.what;
        EXPECT_NE(messages[0].text.find("damaged.ova"), std::string::npos) << d.what << ": " << messages[0].text;
        ExpectUnchanged();
    }
}

TEST_F(AlbumFileErrors, MissingFileIsReportedAndChangesNothing)
{
    EXPECT_FALSE(doc.OnOpenDocument(PathOf("absent.ova")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("absent.ova"), std::string::npos);
    ExpectUnchanged();
}

TEST_F(AlbumFileErrors, SaveFailingOnTheDiskLeavesTheOldFile)
{
    const std::vector<uint8_t> old = FileBytes(PathOf("open.ova"));
    auto big = MakeRecord(Folder() + "big.jpg");
    big->hasThumbnail = 1;
    doc.InsertRecord(std::move(big));
    const AlbumValue changed = ValueOf(doc);

    // The new file outgrows what the process may write.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small{8192, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = doc.OnSaveDocument(PathOf("open.ova"));
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(ok);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("open.ova"), std::string::npos) << messages[0].text;
    EXPECT_EQ(FileBytes(PathOf("open.ova")), old);
    EXPECT_EQ(Files(), std::vector<std::string>{"open.ova"});
    EXPECT_EQ(ValueOf(doc), changed);
    EXPECT_TRUE(doc.IsModified());
}

// A record whose storing fails half-way through the album.
class CFailingRec : public COvalbumRec {
    FW_DECLARE_SERIAL(CFailingRec)
public:
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            throw fw::FileException(fw::FileException::diskFull, "open.ova");
        COvalbumRec::Serialize(ar);
    }
};
FW_IMPLEMENT_SERIAL(CFailingRec, COvalbumRec, 0)

TEST_F(AlbumFileErrors, SaveFailingWhileStoringKeepsPathsAbsolute)
{
    const std::vector<uint8_t> old = FileBytes(PathOf("open.ova"));
    auto failing = std::make_unique<CFailingRec>();
    failing->path = Folder() + "fails.jpg";
    doc.InsertRecord(std::move(failing));
    const AlbumValue changed = ValueOf(doc);

    EXPECT_FALSE(doc.OnSaveDocument(PathOf("open.ova")));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(FileBytes(PathOf("open.ova")), old);
    // The records stored before the failure still name their files in full.
    EXPECT_EQ(ValueOf(doc), changed);
    EXPECT_EQ(doc.GetRecords()[0]->path, Folder() + "kept.jpg");
}

} // namespace
} // namespace albumtest
