// The ".OVA" stream byte for byte against a small album written out by hand,
// its reading back, and the record paths kept relative to the album folder.
#include <gtest/gtest.h>

#include <QDir>

#include "AlbumTestSupport.h"
#include "SmallAlbum.h"
#include "album/doc/AlbumPaths.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "framework/View.h"

namespace albumtest {
namespace {

using AlbumFileFormat = AlbumFixture;

TEST_F(AlbumFileFormat, SmallAlbumIsStoredByteForByte)
{
    COvalbumDoc doc;
    FillSmallAlbum(doc, Folder());
    const std::string path = PathOf("small.ova");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(FileBytes(path), SmallAlbumBytes());
    EXPECT_TRUE(messages.empty());
    // Storing leaves the paths in memory absolute.
    EXPECT_EQ(doc.GetRecords()[0]->path, Folder() + "sub/p1.jpg");
    EXPECT_EQ(doc.GetCurrentPath(), path);
}

TEST_F(AlbumFileFormat, HandWrittenAlbumOpensWithPathsUnderItsOwnFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("moved"));
    const std::string path = PathOf("moved/small.ova");
    WriteBytes(path, SmallAlbumBytes());

    COvalbumDoc doc;
    doc.search.byNumber = 1;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(messages.empty());

    COvalbumDoc expected;
    FillSmallAlbum(expected, Folder() + "moved/");
    EXPECT_EQ(ValueOf(doc), ValueOf(expected));
    EXPECT_EQ(doc.GetRecords()[0]->selected, 0);
    EXPECT_EQ(doc.GetRecords()[1]->path, "/other/p2.bmp");
    // The flag comes back, the search settings it worked with do not.
    EXPECT_EQ(doc.viewOnlyFound, 1);
    EXPECT_EQ(doc.search.byNumber, 0);
    EXPECT_EQ(doc.GetAlbumTitle(), "small");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(AlbumFileFormat, RoundTripKeepsEveryStoredField)
{
    COvalbumDoc doc;
    FillSmallAlbum(doc, Folder());
    doc.groupCaption = "Where";
    doc.subgroupCaption = std::string(300, 's');  // the longer length form
    doc.GetRecords()[1]->comments = std::string(70000, 'c');
    const std::string path = PathOf("round.ova");
    ASSERT_TRUE(doc.OnSaveDocument(path));

    COvalbumDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path));
    EXPECT_EQ(ValueOf(back), ValueOf(doc));
    EXPECT_TRUE(messages.empty());
}

TEST_F(AlbumFileFormat, AlbumNeverSavedStripsNoPrefix)
{
    COvalbumDoc doc;
    doc.InsertRecord(MakeRecord("/x/y.jpg"));
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    doc.Serialize(ar);
    const std::string bytes(file.data().begin(), file.data().end());
    EXPECT_NE(bytes.find(std::string("\x08/x/y.jpg", 9)), std::string::npos);
}

TEST(AlbumPaths, StoredRelativeOnlyUnderTheAlbumFolder)
{
    struct Case { const char* path; const char* base; const char* stored; };
    const Case cases[] = {
        {"/alb/a.jpg", "/alb/", "a.jpg"},
        {"/alb/deep/er/a.jpg", "/alb/", "deep/er/a.jpg"},
        {"/albx/a.jpg", "/alb/", "/albx/a.jpg"},       // a longer folder name is another folder
        {"/ALB/a.jpg", "/alb/", "/ALB/a.jpg"},         // compared exactly
        {"/elsewhere/a.jpg", "/alb/", "/elsewhere/a.jpg"},
        {"/alb/a.jpg", "", "/alb/a.jpg"},              // an album never saved
        // Names under the folder that would read back as absolute elsewhere.
        {"/alb/c:/pic.jpg", "/alb/", "./c:/pic.jpg"},
        {"/alb/C:\\pic.jpg", "/alb/", "./C:\\pic.jpg"},
        {"/alb/\\\\srv/pic.jpg", "/alb/", "./\\\\srv/pic.jpg"},
        {"/alb/./a.jpg", "/alb/", "././a.jpg"},
        {"/alb/c:pic.jpg", "/alb/", "c:pic.jpg"},      // relative on every system
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StoredRecordPath(c.path, c.base), c.stored) << c.path;
        if (*c.base) {
            EXPECT_EQ(LoadedRecordPath(c.stored, c.base), c.path) << c.path;
        }
    }
    // Absolute forms of albums made on the home platform are left alone.
    for (const char* path : {"C:\\PICS\\A.JPG", "d:/pics/a.jpg", "\\\\server\\pics\\a.jpg"})
        EXPECT_EQ(LoadedRecordPath(path, "/alb/"), path);
    // A "./" written by hand or by anything else names the album's folder.
    EXPECT_EQ(LoadedRecordPath("./a.jpg", "/alb/"), "/alb/a.jpg");
    EXPECT_EQ(AlbumBaseFolder("/alb/x.ova"), "/alb/");
    EXPECT_EQ(AlbumBaseFolder(""), "");
    EXPECT_EQ(AlbumTitleOf("/alb/my.album.ova"), "my.album");
}

TEST_F(AlbumFileFormat, PicturesInFoldersNamedLikeDrivesOrSharesComeBackAsTheSameFiles)
{
    const std::vector<std::string> names = {"c:/pic.jpg", "\\\\srv/pic.jpg", "d:\\pic.jpg"};
    COvalbumDoc doc;
    for (const std::string& name : names)
        doc.InsertRecord(MakeRecord(Folder() + name));
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("drives.ova")));

    COvalbumDoc back;
    ASSERT_TRUE(back.OnOpenDocument(PathOf("drives.ova")));
    ASSERT_EQ(back.GetRecords().size(), names.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(back.GetRecords()[i]->path, Folder() + names[i]);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AlbumFileFormat, ViewsTakeTheAlbumTitleAfterEverySave)
{
    COvalbumDoc doc;
    doc.autoDelete = false;
    fw::View view;
    doc.AddView(&view);
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("holiday.ova")));
    EXPECT_EQ(view.windowTitle(), "holiday");

    EXPECT_FALSE(doc.OnSaveDocument(PathOf("no-such-folder/winter.ova")));
    EXPECT_EQ(view.windowTitle(), "winter");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("winter.ova"), std::string::npos) << messages[0].text;
    doc.RemoveView(&view);
}

} // namespace
} // namespace albumtest
