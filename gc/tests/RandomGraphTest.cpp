// Random object graphs with fixed and discardable links, locks, protections
// and uses, checked after every collection against a plain reachability
// computation over the same graph.
#include "GcTestNode.h"

#include <memory>
#include <random>
#include <set>

namespace {

using NodeSet = std::set<TestNode*>;

enum class Follow { Fixed, All, FixedAndProtected };

NodeSet Closure(const NodeSet& start, Follow follow, const NodeSet& protectedReach = {})
{
    NodeSet reached;
    std::vector<TestNode*> todo(start.begin(), start.end());
    while (!todo.empty()) {
        TestNode* node = todo.back();
        todo.pop_back();
        if (!reached.insert(node).second)
            continue;
        for (QnObj* t : node->fixed)
            todo.push_back(static_cast<TestNode*>(t));
        for (QnObj* t : node->discardable) {
            auto* target = static_cast<TestNode*>(t);
            if (follow == Follow::All || (follow == Follow::FixedAndProtected && protectedReach.count(target)))
                todo.push_back(target);
        }
    }
    return reached;
}

// Targets of discardable links from kept objects that are not kept: the
// caches a collection may drop.
size_t Candidates(const NodeSet& kept)
{
    NodeSet candidates;
    for (TestNode* node : kept)
        for (QnObj* t : node->discardable)
            if (!kept.count(static_cast<TestNode*>(t)))
                candidates.insert(static_cast<TestNode*>(t));
    return candidates.size();
}

class RandomGraph {
public:
    explicit RandomGraph(unsigned seed) : rng_(seed) {}

    void Mutate(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            const int op = Pick(100);
            if (op < 20 || nodes_.size() < 2) {
                // The allocator may collect (mode DF_FIX) before it makes the node.
                const NodeSet reach = Closure(Locked(), Follow::All);
                PpTestNode node = MakeNode();
                std::erase_if(nodes_, [&](TestNode* old) {
                    // A deleted node's block may be the new node's.
                    if (TestNode::IsAlive(old) && old != node.Get())
                        return false;
                    EXPECT_FALSE(reach.count(old)) << "the allocator's collection deleted a reachable object";
                    return true;
                });
                nodes_.push_back(node.Get());
                if (Pick(3) == 0)
                    handles_.push_back(node);
            } else if (op < 45) {
                Any()->fixed.push_back(Any());
            } else if (op < 65) {
                TestNode* owner = Any();
                TestNode* target = Any();
                // A class reports each cache once per call.
                if (std::find(owner->discardable.begin(), owner->discardable.end(), target) == owner->discardable.end())
                    owner->discardable.push_back(target);
            } else if (op < 75) {
                TestNode* owner = Any();
                auto& links = Pick(2) ? owner->fixed : owner->discardable;
                if (!links.empty())
                    links.erase(links.begin() + Pick(static_cast<int>(links.size())));
            } else if (op < 82) {
                handles_.push_back(PpTestNode(Any()));
            } else if (op < 90) {
                if (!handles_.empty())
                    handles_.erase(handles_.begin() + Pick(static_cast<int>(handles_.size())));
            } else {
                PpTestNode(Any())->Used();
            }
        }
    }

    void CollectAndCheck()
    {
        const NodeSet locked = Locked();
        const NodeSet fixedReach = Closure(locked, Follow::Fixed);
        const NodeSet allReach = Closure(locked, Follow::All);

        // Protect a few objects that will live; a protection on an object the
        // collection deletes would be left dangling.
        protections_.clear();
        NodeSet protectedSet;
        for (TestNode* node : fixedReach)
            if (Pick(8) == 0) {
                protections_.push_back(std::make_unique<QnObjProtect>(node));
                protectedSet.insert(node);
            }
        const NodeSet protectedReach = Closure(protectedSet, Follow::All);
        const NodeSet protectKept = Closure(locked, Follow::FixedAndProtected, protectedReach);

        const auto mode = static_cast<QnObj::DF>(Pick(3));
        const int32_t discard = Pick(2) ? -1 : Pick(6);
        SCOPED_TRACE(testing::Message() << "mode " << mode << " discard " << discard);

        const NodeSet& kept = mode == QnObj::DF_FIX_PROTECTED ? protectKept : fixedReach;
        const size_t candidates = Candidates(kept);
        const size_t before = nodes_.size();
        int32_t deleted = -1, dropped = -1;
        QnObj::CollectGarbage(mode, discard, &deleted, &dropped);

        NodeSet alive;
        for (TestNode* node : nodes_)
            if (TestNode::IsAlive(node))
                alive.insert(node);
        EXPECT_EQ(static_cast<size_t>(deleted), before - alive.size());
        EXPECT_EQ(static_cast<size_t>(QnObj::GetTotalNumberOfObjects()), alive.size());

        // Whatever the mode, what fixed links reach from a lock lives, and
        // what no link reaches from a lock is gone.
        EXPECT_TRUE(std::includes(alive.begin(), alive.end(), fixedReach.begin(), fixedReach.end()));
        EXPECT_TRUE(std::includes(allReach.begin(), allReach.end(), alive.begin(), alive.end()));
        if (mode == QnObj::DF_FIX) {
            EXPECT_EQ(alive, allReach);
            EXPECT_EQ(dropped, 0);
        } else if (discard < 0) {
            EXPECT_EQ(alive, kept);
        } else {
            EXPECT_TRUE(std::includes(alive.begin(), alive.end(), kept.begin(), kept.end()));
            // At least discard of the caches go, when there are that many.
            EXPECT_GE(static_cast<size_t>(dropped), std::min<size_t>(discard, candidates));
            EXPECT_LE(static_cast<size_t>(dropped), allReach.size() - kept.size());
        }
        // Survivors hold no link to a deleted object: owners forgot dropped caches.
        for (TestNode* node : alive) {
            for (QnObj* t : node->fixed)
                EXPECT_TRUE(alive.count(static_cast<TestNode*>(t)));
            for (QnObj* t : node->discardable)
                EXPECT_TRUE(alive.count(static_cast<TestNode*>(t)));
        }
        nodes_.assign(alive.begin(), alive.end());
        // Protected objects may become garbage before the next check.
        protections_.clear();
    }

    void ReleaseAll()
    {
        protections_.clear();
        handles_.clear();
        nodes_.clear();
    }

private:
    NodeSet Locked() const
    {
        NodeSet locked;
        for (const PpTestNode& h : handles_)
            locked.insert(h.Get());
        return locked;
    }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    TestNode* Any() { return nodes_[static_cast<size_t>(Pick(static_cast<int>(nodes_.size())))]; }

    std::mt19937 rng_;
    std::vector<TestNode*> nodes_;
    std::vector<PpTestNode> handles_;
    std::vector<std::unique_ptr<QnObjProtect>> protections_;
};

} // namespace

using RandomGraphs = GcTest;

TEST_F(RandomGraphs, SurvivorsAreExactlyWhatTheLocksReach)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        RandomGraph graph(seed);
        for (int round = 0; round < 150 && !HasFailure(); ++round) {
            graph.Mutate(40);
            graph.CollectAndCheck();
        }
        graph.ReleaseAll();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 0);
    }
}
