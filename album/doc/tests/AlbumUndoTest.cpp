// One level of undo: each kind of change comes back once, the modified flag
// tells the truth afterwards, and the snapshot belongs to its album.
#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <functional>

#include "AlbumTestSupport.h"
#include "drawctx/zvwa/WA.h"
#include "framework/View.h"

namespace albumtest {
namespace {

class AlbumUndo : public AlbumFixture {
protected:
    void SetUp() override
    {
        AlbumFixture::SetUp();
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            doc.InsertRecord(MakeRecord(Folder() + name, name, 10, 20));
        ASSERT_TRUE(doc.OnSaveDocument(PathOf("album.ova")));
    }
    COvalbumRec* Record(size_t i) { return doc.GetRecords()[i].get(); }

    COvalbumDoc doc;
};

TEST_F(AlbumUndo, EachChangeComesBackOnce)
{
    WA* picture = new WA(WA_TYPE_GRAY, 4, 3, static_cast<char*>(nullptr));
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"append", [&] { doc.InsertRecord(MakeRecord(Folder() + "d.jpg")); }},
        {"insert before the first", [&] { doc.InsertRecord(MakeRecord("/elsewhere/e.jpg"), Record(0)); }},
        {"delete", [&] { doc.RemoveRecord(Record(1)); }},
        {"move", [&] { doc.MoveRecordBefore(Record(2), Record(0)); }},
        {"sort", [&] { std::reverse(doc.GetRecords().begin(), doc.GetRecords().end()); }},
        {"record info", [&] { Record(0)->alias = std::string("x"); Record(0)->group = std::string("g"); }},
        {"refresh", [&] { Record(1)->SetThumbnail(*picture); Record(1)->modificationTime = 99; }},
        {"replace the file", [&] { Record(2)->path = "/elsewhere/f.jpg"; }},
        {"album info", [&] { doc.comments = "about"; doc.groupCaption = "Town"; doc.subgroupCaption = "Street"; }},
        {"delete all", [&] { doc.DeleteContents(); }},
    };
    for (const auto& [name, change] : changes) {
        const AlbumValue before = ValueOf(doc);
        doc.TakeSnapshot();
        change();
        doc.SetModifiedFlag(true);
        ASSERT_NE(ValueOf(doc), before) << name;
        ASSERT_TRUE(doc.Undo()) << name;
        EXPECT_EQ(ValueOf(doc), before) << name;
        EXPECT_FALSE(doc.HasSnapshot()) << name;
        // Only one step: a second undo does nothing.
        EXPECT_FALSE(doc.Undo()) << name;
        EXPECT_EQ(ValueOf(doc), before) << name;
    }
    WARelease(picture);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AlbumUndo, ModifiedOnlyWhenTheFileNoLongerMatches)
{
    doc.TakeSnapshot();
    doc.RemoveRecord(Record(0));
    doc.SetModifiedFlag(true);
    doc.Undo();
    EXPECT_FALSE(doc.IsModified());  // back to what the file holds

    // Saved in between: the file holds the change, the undone album does not.
    doc.TakeSnapshot();
    doc.RemoveRecord(Record(0));
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("album.ova")));
    doc.Undo();
    EXPECT_EQ(doc.GetRecords().size(), 3u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AlbumUndo, PathsSurviveASaveUnderAnotherFolder)
{
    const AlbumValue before = ValueOf(doc);
    doc.TakeSnapshot();
    doc.RemoveRecord(Record(0));
    ASSERT_TRUE(QDir(dir.path()).mkpath("copy"));
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("copy/album.ova")));
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(ValueOf(doc), before);
    EXPECT_EQ(Record(0)->path, Folder() + "a.jpg");
}

TEST_F(AlbumUndo, AnotherAlbumOrANewOneTakesNoUndoOfTheOld)
{
    COvalbumDoc other;
    other.InsertRecord(MakeRecord("/x/only.jpg"));
    ASSERT_TRUE(other.OnSaveDocument(PathOf("other.ova")));

    doc.TakeSnapshot();
    doc.search.byCreation = 1;
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("other.ova")));
    EXPECT_FALSE(doc.HasSnapshot());
    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(ValueOf(doc), ValueOf(other));
    EXPECT_EQ(doc.search.byCreation, 0);

    doc.TakeSnapshot();
    doc.comments = "left over";
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_FALSE(doc.HasSnapshot());
    EXPECT_TRUE(doc.GetRecords().empty());
    EXPECT_EQ(doc.comments, "");
    EXPECT_EQ(doc.GetCurrentPath(), "");
    EXPECT_EQ(doc.groupCaption, "Place");
}

class CountingView : public fw::View {
public:
    void OnUpdate(fw::View*, int64_t, const void*) override { ++updates; }
    int updates = 0;
};

TEST_F(AlbumUndo, UndoUpdatesTheViewsAndKeepsTheSearch)
{
    doc.autoDelete = false;
    CountingView view;
    doc.AddView(&view);
    doc.search.byNumber = 1;
    doc.search.numberTo = 1;
    Record(0)->selected = 1;
    doc.TakeSnapshot();
    doc.RemoveRecord(Record(2));
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(doc.search.byNumber, 1);
    EXPECT_EQ(doc.search.numberTo, 1);
    doc.RemoveView(&view);
}

} // namespace
} // namespace albumtest
