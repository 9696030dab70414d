// The scope guards around the collector.
#include "GcTestNode.h"

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

bool HeldByAnotherThread()
{
    return std::async(std::launch::async, [] {
               if (!QnObj::cs.TryEnter())
                   return true;
               QnObj::cs.Leave();
               return false;
           }).get();
}

} // namespace

using Guards = GcTest;

TEST_F(Guards, LockGcHoldsTheCollectorsSectionForEveryCopy)
{
    EXPECT_FALSE(HeldByAnotherThread());
    {
        auto first = std::make_unique<QnLockGc>();
        EXPECT_TRUE(HeldByAnotherThread());
        QnLockGc copy(*first);
        QnLockGc assigned;
        assigned = copy;
        assigned = assigned;
        first.reset();
        EXPECT_TRUE(HeldByAnotherThread());
        // The holder may still collect: the section is re-entrant.
        MakeNode("garbage");
        EXPECT_EQ(QnObj::CollectGarbage(), 1);
    }
    EXPECT_FALSE(HeldByAnotherThread());
}

TEST_F(Guards, DisableGcRestoresTheFlagAndCollectionsStillRun)
{
    ASSERT_EQ(QnObj::fEnabled, 1);
    {
        QnDisableGc outer;
        EXPECT_EQ(QnObj::fEnabled, 0);
        {
            QnDisableGc inner;
            EXPECT_EQ(QnObj::fEnabled, 0);
        }
        EXPECT_EQ(QnObj::fEnabled, 0);
        MakeNode("garbage");
        EXPECT_EQ(QnObj::CollectGarbage(), 1);
    }
    EXPECT_EQ(QnObj::fEnabled, 1);
    EXPECT_EQ(QnObj::DisableGc(), 1);
    EXPECT_EQ(QnObj::EnableGc(1), 0);
}

TEST_F(Guards, ForceGcOnExitCollectsEverythingWhenTheLastOneGoes)
{
    PpTestNode owner = MakeNode("owner");
    TestNode* cache = MakeNode("cache").Get();
    owner->discardable = {cache};
    auto first = std::make_unique<QnForceGCOnExit>();
    {
        QnForceGCOnExit second;
        EXPECT_EQ(QnForceGCOnExit::cnt, 2);
    }
    EXPECT_TRUE(TestNode::IsAlive(cache));
    first.reset();
    EXPECT_EQ(QnForceGCOnExit::cnt, 0);
    EXPECT_FALSE(TestNode::IsAlive(cache));
    EXPECT_TRUE(owner->discardable.empty());
}

// A long holder lets a waiting thread in between two of its steps, and only
// when it holds the section once: a nested hold is some caller's, who may
// be in the middle of something.
TEST_F(Guards, LetOthersInHandsTheSectionToAWaitingThreadOnlyFromTheOuterHold)
{
    std::atomic<bool> entered{false};
    QnLockGc held;
    std::thread other([&entered] {
        QnLockGc gc;
        entered = true;
    });
    {
        QnLockGc nested;
        for (int i = 0; i < 200; ++i) {
            QnLockGc::LetOthersIn();
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        EXPECT_FALSE(entered);
    }
    while (!entered)
        QnLockGc::LetOthersIn();
    EXPECT_TRUE(QnLockGc::HeldByThisThread());
    other.join();
}
