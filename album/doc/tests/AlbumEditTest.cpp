// The album's changes on an album of real picture files: what each does to
// the records and the selection, and that one undo brings the album back.
#include <gtest/gtest.h>

#include <functional>

#include "AlbumPictures.h"
#include "AlbumTestSupport.h"
#include "album/doc/AlbumThumbnail.h"

namespace albumtest {
namespace {

class AlbumEdit : public AlbumFixture {
protected:
    void SetUp() override
    {
        AlbumFixture::SetUp();
        WritePictureFile(PathOf("a.png"), 40, 30);
        WritePictureFile(PathOf("b.bmp"), 10, 100, 255, 0, 0);
        WritePictureFile(PathOf("c.jpg"), 100, 10, 0, 255, 0);
        WriteBytes(PathOf("broken.png"), {0x89, 'P', 'N', 'G', 1, 2, 3});
    }
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> names;
        for (const auto& r : doc.GetRecords())
            names.push_back(r->path.substr(r->path.rfind('/') + 1));
        return names;
    }
    COvalbumRec* Record(size_t i) { return doc.GetRecords()[i].get(); }
    void AddThree() { ASSERT_EQ(doc.AddPictureFiles({PathOf("a.png"), PathOf("b.bmp"), PathOf("c.jpg")}), 3); }

    COvalbumDoc doc;
};

TEST_F(AlbumEdit, AddingFilesSkipsWhatDoesNotReadAndUndoesAsOne)
{
    std::vector<int32_t> counted;
    const int32_t added = doc.AddPictureFiles(
        {PathOf("a.png"), PathOf("broken.png"), PathOf("gone.png"), PathOf("b.bmp")},
        [&](int32_t n) { counted.push_back(n); });
    EXPECT_EQ(added, 2);
    EXPECT_EQ(counted, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"a.png", "b.bmp"}));
    EXPECT_TRUE(doc.IsModified());
    // Thumbnails fitted into 80 by 60, times from the files.
    const struct {
        int32_t w, h;
    } sizes[] = {{80, 60}, {6, 60}};
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(Record(i)->hasThumbnail);
        const auto layout = AlbumThumbnailLayout(Record(i)->thumbnail);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->header.biWidth, sizes[i].w);
        EXPECT_EQ(layout->height, sizes[i].h);
        EXPECT_EQ(Record(i)->GetFileState(), COvalbumRec::fileUnchanged);
    }
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.GetRecords().empty());

    // Nothing readable: nothing to undo, but the views are told.
    EXPECT_EQ(doc.AddPictureFiles({PathOf("broken.png")}), 0);
    EXPECT_FALSE(doc.HasSnapshot());
}

TEST_F(AlbumEdit, EachCommandChangesTheAlbumAndUndoesOnce)
{
    AddThree();
    struct Case {
        const char* name;
        int selectBefore;  // -1: none
        std::function<void()> run;
        std::vector<std::string> paths;
        int selectedAfter;  // -1: none
    } const cases[] = {
        {"delete selects the next", 1, [&] { EXPECT_TRUE(doc.DeleteSelection()); }, {"a.png", "c.jpg"}, 1},
        {"delete the last selects none", 2, [&] { EXPECT_TRUE(doc.DeleteSelection()); }, {"a.png", "b.bmp"}, -1},
        {"move before the first", 0, [&] { doc.MoveRecord(Record(2), Record(0)); }, {"c.jpg", "a.png", "b.bmp"}, 1},
        {"move to the end", 0, [&] { doc.MoveRecord(Record(0), nullptr); }, {"b.bmp", "c.jpg", "a.png"}, 2},
        {"add before the selection", 1, [&] { EXPECT_TRUE(doc.AddPictureFile(PathOf("a.png"), true)); },
         {"a.png", "a.png", "b.bmp", "c.jpg"}, 2},
        {"add without selection appends", -1, [&] { EXPECT_TRUE(doc.AddPictureFile(PathOf("c.jpg"), true)); },
         {"a.png", "b.bmp", "c.jpg", "c.jpg"}, -1},
        {"remove two", -1, [&] { doc.RemoveRecords({Record(0), Record(2)}); }, {"b.bmp"}, -1},
        {"record texts", 0, [&] { doc.SetRecordTexts(*Record(0), "al", "gr", "sub", "com"); },
         {"a.png", "b.bmp", "c.jpg"}, 0},
        {"album texts", -1, [&] { doc.SetAlbumTexts("about", "Town", "Street"); }, {"a.png", "b.bmp", "c.jpg"}, -1},
        {"renew from another file", -1, [&] { EXPECT_TRUE(doc.RenewRecord(*Record(0), PathOf("c.jpg"))); },
         {"c.jpg", "b.bmp", "c.jpg"}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.Select(c.selectBefore < 0 ? nullptr : Record(size_t(c.selectBefore)));
        const AlbumValue before = ValueOf(doc);
        doc.SetModifiedFlag(false);
        c.run();
        EXPECT_EQ(Paths(), c.paths);
        EXPECT_EQ(doc.GetSelection() ? doc.IndexOf(doc.GetSelection()) : -1, c.selectedAfter);
        EXPECT_NE(ValueOf(doc), before);
        EXPECT_TRUE(doc.IsModified());
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(ValueOf(doc), before);
    }
}

TEST_F(AlbumEdit, NothingToDoTakesNoSnapshot)
{
    AddThree();
    doc.Select(nullptr);
    EXPECT_FALSE(doc.DeleteSelection());
    doc.MoveRecord(Record(1), Record(1));
    doc.RemoveRecords({});
    EXPECT_FALSE(doc.RenewRecord(*Record(0), PathOf("broken.png")));
    // The snapshot is still the one before the three were added.
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.GetRecords().empty());
}

TEST_F(AlbumEdit, TheFourSortsOrderByTheirKey)
{
    const struct {
        const char* path;
        const char* alias;
        int32_t created, modified;
    } records[] = {
        {"/p/Beta.jpg", "zed", 300, 10},
        {"/p/alpha.jpg", "Mid", 100, 30},
        {"/p/GAMMA.jpg", "abc", 200, 20},
    };
    const std::pair<AlbumSortKey, std::vector<std::string>> cases[] = {
        {AlbumSortKey::FileName, {"/p/alpha.jpg", "/p/Beta.jpg", "/p/GAMMA.jpg"}},
        {AlbumSortKey::Alias, {"/p/GAMMA.jpg", "/p/alpha.jpg", "/p/Beta.jpg"}},
        {AlbumSortKey::Creation, {"/p/alpha.jpg", "/p/GAMMA.jpg", "/p/Beta.jpg"}},
        {AlbumSortKey::Modification, {"/p/Beta.jpg", "/p/GAMMA.jpg", "/p/alpha.jpg"}},
    };
    for (const auto& [key, want] : cases) {
        COvalbumDoc sorted;
        for (const auto& r : records)
            sorted.InsertRecord(MakeRecord(r.path, r.alias, r.created, r.modified));
        sorted.SortRecords(key);
        std::vector<std::string> got;
        for (const auto& r : sorted.GetRecords())
            got.push_back(r->path);
        EXPECT_EQ(got, want) << int(key);
        EXPECT_TRUE(sorted.Undo());
        EXPECT_EQ(sorted.GetRecords()[0]->path, "/p/Beta.jpg");
    }
}

} // namespace
} // namespace albumtest
