// What each collection mode deletes and drops, and that owners hear of every
// dropped cache before anything is deleted.
#include "GcTestNode.h"

#include <new>
#include <set>

namespace {

std::set<std::string> Deleted()
{
    std::set<std::string> names;
    for (const std::string& event : TestNode::Log())
        if (event.rfind("delete ", 0) == 0)
            names.insert(event.substr(7));
    return names;
}

std::vector<std::string> Notes()
{
    std::vector<std::string> notes;
    for (const std::string& event : TestNode::Log())
        if (event.rfind("note ", 0) == 0)
            notes.push_back(event);
    return notes;
}

// A protection whose object the collection may delete: never released, so
// the test does not touch the deleted object afterwards.
void ProtectForGood(QnObj* obj)
{
    alignas(QnObjProtect) static unsigned char storage[sizeof(QnObjProtect)];
    new (storage) QnObjProtect(obj);
}

struct ModeCase {
    QnObj::DF mode;
    int32_t deleted;
    int32_t dropped;
    std::set<std::string> gone;
    std::vector<std::string> notes;
};

} // namespace

using CollectModes = GcTest;

// root (locked) -fixed-> kept1 -fixed-> kept2
// root -discardable-> cache1 -fixed-> cacheChild
// root -discardable-> cache2 <-discardable- guard (protected, unlocked, unreached)
// garbage -fixed-> garbage2
TEST_F(CollectModes, DeletedAndDroppedByMode)
{
    const std::set<std::string> always{"garbage", "garbage2", "guard"};
    const std::vector<ModeCase> cases{
        {QnObj::DF_FIX, 3, 0, always, {}},
        {QnObj::DF_FIX_PROTECTED, 5, 1, {"garbage", "garbage2", "guard", "cache1", "cacheChild"}, {"note root cache1"}},
        {QnObj::DF_DISCARD, 6, 2, {"garbage", "garbage2", "guard", "cache1", "cacheChild", "cache2"},
         {"note root cache1", "note root cache2"}},
        {QnObj::DF(7), 3, 0, always, {}}, // unknown modes behave as DF_FIX
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        TestNode::Log().clear();
        PpTestNode root = MakeNode("root");
        {
            PpTestNode kept1 = MakeNode("kept1"), kept2 = MakeNode("kept2");
            PpTestNode cache1 = MakeNode("cache1"), cacheChild = MakeNode("cacheChild");
            PpTestNode cache2 = MakeNode("cache2"), guard = MakeNode("guard");
            PpTestNode garbage = MakeNode("garbage"), garbage2 = MakeNode("garbage2");
            root->fixed = {kept1.Get()};
            kept1->fixed = {kept2.Get()};
            root->discardable = {cache1.Get(), cache2.Get()};
            cache1->fixed = {cacheChild.Get()};
            guard->discardable = {cache2.Get()};
            garbage->fixed = {garbage2.Get()};
            ProtectForGood(guard.Get());
        }
        int32_t deleted = -1, dropped = -1;
        EXPECT_EQ(QnObj::CollectGarbage(c.mode, -1, &deleted, &dropped), c.deleted);
        EXPECT_EQ(deleted, c.deleted);
        EXPECT_EQ(dropped, c.dropped);
        EXPECT_EQ(Deleted(), c.gone);
        EXPECT_EQ(Notes(), c.notes);
        // Every notice comes before the first deletion.
        const auto& log = TestNode::Log();
        const auto firstDelete = std::find_if(log.begin(), log.end(),
                                              [](const std::string& e) { return e.rfind("delete ", 0) == 0; });
        EXPECT_TRUE(std::none_of(firstDelete, log.end(), [](const std::string& e) { return e.rfind("note ", 0) == 0; }));
        // The owner forgot exactly the dropped links.
        EXPECT_EQ(root->discardable.size(), 2 - static_cast<size_t>(c.dropped));

        root.Reset();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 0);
    }
}

TEST_F(CollectModes, ProtectionReachesThroughAnyLinks)
{
    // guard (protected and locked) -discardable-> mid -fixed-> shared;
    // root (locked) -discardable-> shared. In DF_FIX_PROTECTED shared stays:
    // a protected object reaches it, although through a cache.
    PpTestNode root = MakeNode("root"), guard = MakeNode("guard");
    QnObjProtect protection(guard.Get());
    {
        PpTestNode mid = MakeNode("mid"), shared = MakeNode("shared");
        guard->discardable = {mid.Get()};
        mid->fixed = {shared.Get()};
        root->discardable = {shared.Get()};
    }
    int32_t dropped = -1;
    QnObj::CollectGarbage(QnObj::DF_FIX_PROTECTED, -1, nullptr, &dropped);
    EXPECT_EQ(dropped, 0);
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 4);

    // Without the protection both caches go.
    protection = QnObjProtect();
    QnObj::CollectGarbage(QnObj::DF_FIX_PROTECTED, -1, nullptr, &dropped);
    EXPECT_EQ(dropped, 2);
    EXPECT_EQ(Deleted(), (std::set<std::string>{"mid", "shared"}));
}

TEST_F(CollectModes, CollectionsLeaveNoMarksBehind)
{
    // A cache that survives a rescue and a protect-marked object must look
    // fresh to the next collection: a DF_DISCARD collection right after drops
    // the cache and keeps nothing stale.
    PpTestNode root = MakeNode("root"), guard = MakeNode("guard");
    QnObjProtect protection(guard.Get());
    {
        PpTestNode cache = MakeNode("cache");
        root->discardable = {cache.Get()};
        guard->discardable = {cache.Get()};
    }
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_FIX_PROTECTED, -1), 0);
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_DISCARD, 0), 0);
    protection = QnObjProtect();
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_DISCARD, -1), 1);
    EXPECT_TRUE(root->discardable.empty());
    EXPECT_TRUE(guard->discardable.empty());
}
