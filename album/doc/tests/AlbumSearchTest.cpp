// The search filter: the name patterns, the ranges, and what the selection
// and the list of found records make of them.
#include <gtest/gtest.h>

#include "AlbumTestSupport.h"
#include "album/doc/AlbumPattern.h"

namespace albumtest {
namespace {

TEST(AlbumPattern, MatchesAsTheSearchDialogPromises)
{
    struct Case {
        const char* value;
        const char* pattern;
        bool match;
    } const cases[] = {
        {"Holiday", "holiday", true},       {"Holiday", "holi", false},
        {"C:\\PICS\\A.jpg", "*.JPG", true}, {"/pics/a.png", "*.JPG", false},
        {"abc", "A?C", true},               {"abcd", "A?C", false},
        {"xbx", "*B*", true},               {"xyz", "*B*", false},
        {"abc", "a*", true},                {"cab", "a*", false},
        {"sea view", "sea*view", true},     {"sea and view!", "sea*view", false},
        {"my sea view", "sea*view", false}, {"my sea view", "*sea*view", true},
        {"photo", "*", true},               {"", "*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlbumPatternMatches(c.value, c.pattern), c.match) << c.value << " ~ " << c.pattern;
}

TEST(AlbumSearchFilter, RangesAndPatternsAllHold)
{
    COvalbumDoc doc;
    const struct {
        const char* path;
        const char* alias;
        const char* group;
        int32_t created, modified;
    } records[] = {
        {"/p/a.jpg", "Anna", "Home", 100, 1000},
        {"/p/b.png", "Bert", "Home", 200, 2000},
        {"/p/c.jpg", "Carl", "Away", 300, 3000},
    };
    for (const auto& r : records) {
        auto record = MakeRecord(r.path, r.alias, r.created, r.modified);
        record->group = r.group;
        doc.InsertRecord(std::move(record));
    }
    struct Case {
        const char* name;
        std::function<void(AlbumSearch&)> set;
        std::vector<int> found;
    } const cases[] = {
        {"nothing in force", [](AlbumSearch&) {}, {0, 1, 2}},
        {"number 0 to 0", [](AlbumSearch& s) { s.byNumber = 1; }, {0}},
        {"number 1 to 2", [](AlbumSearch& s) { s.byNumber = 1, s.numberFrom = 1, s.numberTo = 2; }, {1, 2}},
        {"created 150 to 300", [](AlbumSearch& s) { s.byCreation = 1, s.creationFrom = 150, s.creationTo = 300; }, {1, 2}},
        {"modified up to 1000", [](AlbumSearch& s) { s.byModification = 1, s.modificationTo = 1000; }, {0}},
        {"file name", [](AlbumSearch& s) { s.fileNamePattern = std::string("*.jpg"); }, {0, 2}},
        {"group and alias", [](AlbumSearch& s) { s.groupPattern = std::string("home"), s.aliasPattern = std::string("B*"); }, {1}},
        {"subgroup given, none set", [](AlbumSearch& s) { s.subgroupPattern = std::string("x"); }, {}},
    };
    for (const Case& c : cases) {
        AlbumSearch search = AlbumSearch::Defaults();
        c.set(search);
        doc.SetSearch(search);
        std::vector<int> found;
        for (COvalbumRec* r : doc.GetFoundRecords())
            found.push_back(doc.IndexOf(r));
        EXPECT_EQ(found, c.found) << c.name;
    }
    // With view only found off, everything passes whatever the settings.
    doc.viewOnlyFound = 0;
    EXPECT_EQ(doc.GetFoundRecords().size(), 3u);
}

TEST(AlbumSearchFilter, TheSelectionIsTheFirstSelectedRecordThatPasses)
{
    COvalbumDoc doc;
    for (const char* path : {"/a.jpg", "/b.jpg", "/c.jpg"})
        doc.InsertRecord(MakeRecord(path));
    auto& records = doc.GetRecords();
    EXPECT_EQ(doc.GetSelection(), nullptr);
    records[0]->selected = records[2]->selected = 1;
    EXPECT_EQ(doc.GetSelection(), records[0].get());
    AlbumSearch search = AlbumSearch::Defaults();
    search.fileNamePattern = std::string("/c.jpg");
    doc.SetSearch(search);
    EXPECT_EQ(doc.GetSelection(), records[2].get());
    doc.Select(records[1].get());
    EXPECT_EQ(doc.GetSelection(), nullptr);  // selected, but not found
    EXPECT_EQ(records[0]->selected + records[1]->selected + records[2]->selected, 1);
}

} // namespace
} // namespace albumtest
