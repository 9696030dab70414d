// Collections that must drop at least some caches keep the most recently
// used ones and drop the least recently used.
#include "GcTestNode.h"

#include <set>

namespace {

// Caches c0..c4 of a locked owner, c4 the most recently used; extra fixed
// links among them as the case says.
struct RescueCase {
    const char* name;
    QnObj::DF mode;
    int32_t discard;
    std::vector<std::pair<int, int>> fixedLinks; // from, to
    int32_t dropped;
    std::set<std::string> survivors;
};

} // namespace

using RescuePass = GcTest;

TEST_F(RescuePass, KeepsTheMostRecentlyUsedCandidates)
{
    const std::set<std::string> all{"c0", "c1", "c2", "c3", "c4"};
    const std::vector<RescueCase> cases{
        {"at least two go: the two least recently used", QnObj::DF_DISCARD, 2, {}, 2, {"c2", "c3", "c4"}},
        {"the same in the protect mode", QnObj::DF_FIX_PROTECTED, 2, {}, 2, {"c2", "c3", "c4"}},
        {"one goes", QnObj::DF_DISCARD, 1, {}, 1, {"c1", "c2", "c3", "c4"}},
        {"none needs to go", QnObj::DF_DISCARD, 0, {}, 0, all},
        {"as many as there are", QnObj::DF_DISCARD, 5, {}, 5, {}},
        {"more than there are", QnObj::DF_DISCARD, 9, {}, 5, {}},
        {"no limit", QnObj::DF_DISCARD, -1, {}, 5, {}},
        {"a negative limit is no limit", QnObj::DF_DISCARD, -7, {}, 5, {}},
        // Rescuing c4 rescues c3 with it; with c2 rescued as well only one
        // would be left, so that rescue is undone and c0..c2 go.
        {"a rescue that leaves too few is undone", QnObj::DF_DISCARD, 2, {{4, 3}, {2, 1}}, 3, {"c3", "c4"}},
        {"kept caches keep what they reach", QnObj::DF_DISCARD, 3, {{4, 0}}, 3, {"c0", "c4"}},
    };
    for (const RescueCase& c : cases) {
        SCOPED_TRACE(c.name);
        PpTestNode owner = MakeNode("owner");
        std::vector<TestNode*> caches;
        for (int i = 0; i < 5; ++i) {
            PpTestNode cache = MakeNode(std::string(1, 'c').append(std::to_string(i)));
            owner->discardable.push_back(cache.Get());
            caches.push_back(cache.Get()); // c4 ends up the most recently used
        }
        for (auto [from, to] : c.fixedLinks)
            caches[from]->fixed.push_back(caches[to]);

        int32_t dropped = -1;
        QnObj::CollectGarbage(c.mode, c.discard, nullptr, &dropped);
        EXPECT_EQ(dropped, c.dropped);
        std::set<std::string> survivors;
        for (TestNode* cache : caches)
            if (TestNode::IsAlive(cache))
                survivors.insert(cache->Name());
        EXPECT_EQ(survivors, c.survivors);
        // The owner was told of every cache that went.
        EXPECT_EQ(owner->discardable.size(), c.survivors.size());

        owner.Reset();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    }
}

TEST_F(RescuePass, RestartsAtTheEarliestNewCandidate)
{
    // owner -discardable-> x, z; x -discardable-> e. Use order: e, x, z from
    // the front. One cache must go. Rescuing x makes e a candidate, ahead of
    // x in the list: e is more recently used than z, so the pass goes back to
    // rescue e, and z (the least recently used) is the one dropped.
    PpTestNode owner = MakeNode("owner");
    std::vector<PpTestNode> nodes{MakeNode("z"), MakeNode("x"), MakeNode("e")};
    TestNode *z = nodes[0].Get(), *x = nodes[1].Get(), *e = nodes[2].Get();
    owner->discardable = {x, z};
    x->discardable = {e};
    nodes.clear();

    int32_t dropped = -1;
    QnObj::CollectGarbage(QnObj::DF_DISCARD, 1, nullptr, &dropped);
    EXPECT_EQ(dropped, 1);
    EXPECT_TRUE(TestNode::IsAlive(e));
    EXPECT_TRUE(TestNode::IsAlive(x));
    EXPECT_FALSE(TestNode::IsAlive(z));
    EXPECT_EQ(owner->discardable, std::vector<QnObj*>{x});
}
