// Collections that meet misbehaving objects: re-entry from a destructor,
// a cache reported twice, use of objects while the sweep runs, objects that
// leave the collector's sight, exceptions and foreign threads.
#include "GcTestNode.h"

#include <stdexcept>
#include <thread>

namespace {

// Its destructor asks for a collection and makes a new object, as a
// destructor that allocates from the collecting allocator might.
class CollectingNode : public TestNode {
public:
    using TestNode::TestNode;
    static inline int32_t innerResult = -1;
    static inline TestNode* madeInDestructor = nullptr;

protected:
    ~CollectingNode() override
    {
        int32_t deleted = -1;
        innerResult = QnObj::CollectGarbage(QnObj::DF_DISCARD, -1, &deleted, nullptr);
        EXPECT_EQ(deleted, 0);
        madeInDestructor = MakeNode("late").Get();
    }
};

// Holds a handle on another object and uses it while being deleted.
class UsingNode : public TestNode {
public:
    UsingNode(std::string name, PpTestNode held) : TestNode(std::move(name)), held_(std::move(held)) {}

protected:
    ~UsingNode() override { held_->Used(); }

private:
    PpTestNode held_;
};

// Deletes the object it owns, which it registered itself.
class OwningNode : public TestNode {
public:
    OwningNode(std::string name, TestNode* owned) : TestNode(std::move(name)), owned_(owned) {}

protected:
    ~OwningNode() override { owned_->RevokeAndDelete(); }

private:
    TestNode* owned_;
};

class ThrowingMarkNode : public TestNode {
public:
    using TestNode::TestNode;

protected:
    void MarkFixedObjects(Visitor) override { throw std::runtime_error("marking fails"); }
};

} // namespace

using CollectFaults = GcTest;

TEST_F(CollectFaults, ACollectionAskedForDuringACollectionDoesNothing)
{
    PpTestNode kept = MakeNode("kept");
    QnCreate<CollectingNode>("collecting");
    EXPECT_EQ(QnObj::CollectGarbage(), 1);
    EXPECT_EQ(CollectingNode::innerResult, 0);
    EXPECT_TRUE(TestNode::IsAlive(kept.Get()));
    // The object made during the sweep is an ordinary unlocked object.
    ASSERT_TRUE(TestNode::IsAlive(CollectingNode::madeInDestructor));
    EXPECT_EQ(QnObj::CollectGarbage(), 1);
    EXPECT_FALSE(TestNode::IsAlive(CollectingNode::madeInDestructor));
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 1);
}

TEST_F(CollectFaults, ACacheReportedTwiceIsDroppedAndNotedOnce)
{
    PpTestNode owner = MakeNode("owner");
    {
        PpTestNode cache = MakeNode("cache"), other = MakeNode("other");
        owner->discardable = {cache.Get(), other.Get(), cache.Get()};
    }
    int32_t dropped = -1;
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_DISCARD, -1, nullptr, &dropped), 2);
    EXPECT_EQ(dropped, 2);
    EXPECT_EQ(std::count(TestNode::Log().begin(), TestNode::Log().end(), "note owner cache"), 1);
    EXPECT_EQ(std::count(TestNode::Log().begin(), TestNode::Log().end(), "note owner other"), 1);
    EXPECT_TRUE(owner->discardable.empty());
}

TEST_F(CollectFaults, UseDuringTheSweepDoesNotReorderTheList)
{
    // From the front: front (locked), user (garbage), held (locked by user).
    // user's destructor uses held, which would move it in front of objects
    // the sweep has already passed and whose marks it has cleared.
    PpTestNode heldHandle = MakeNode("held");
    TestNode* held = heldHandle.Get();
    QnCreate<UsingNode>("user", std::move(heldHandle));
    PpTestNode front = MakeNode("front");
    EXPECT_EQ(QnObj::CollectGarbage(), 1);
    EXPECT_TRUE(TestNode::IsAlive(front.Get()));
    EXPECT_TRUE(TestNode::IsAlive(held));
    EXPECT_EQ(QnObj::CollectGarbage(), 1); // held, unlocked since
    EXPECT_TRUE(TestNode::IsAlive(front.Get()));
}

TEST_F(CollectFaults, ADestructorMayRevokeAndDeleteTheNextObject)
{
    PpTestNode back = MakeNode("back");
    PpTestNode owned = MakeNode("owned");
    QnCreate<OwningNode>("owner", owned.Get());
    owned.Reset();
    // From the front: owner, owned, back; the sweep's next object is owned.
    int32_t deleted = -1;
    QnObj::CollectGarbage(QnObj::DF_FIX, -1, &deleted, nullptr);
    EXPECT_EQ(deleted, 1); // the owner; owned went with it
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 1);
    EXPECT_TRUE(TestNode::IsAlive(back.Get()));
}

TEST_F(CollectFaults, AnObjectOutOfTheCollectorsSightKeepsNoMarks)
{
    // root -> hidden (revoked) -> child. While hidden is unregistered the
    // collector does not follow it; registered and locked again, it must be
    // followed like any other object.
    PpTestNode root = MakeNode("root"), hidden = MakeNode("hidden");
    root->fixed = {hidden.Get()};
    hidden.Get()->RevokeObject();
    QnObj::CollectGarbage();
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 1);

    hidden.Get()->RegisterObject();
    root->fixed.clear();
    TestNode* child = MakeNode("child").Get();
    hidden->fixed = {child};
    QnObj::CollectGarbage();
    EXPECT_TRUE(TestNode::IsAlive(child));
    hidden.Reset();
    EXPECT_EQ(QnObj::CollectGarbage(), 2);
}

TEST_F(CollectFaults, AnExceptionFromAMarkingOperationEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PpTestNode node = QnCreate<ThrowingMarkNode>("thrower");
    EXPECT_DEATH(QnObj::CollectGarbage(), "Fatal error in gc, line 390");
}

TEST_F(CollectFaults, DebugBuildsStopObjectsMadeOnAnotherThread)
{
#ifdef NDEBUG
    GTEST_SKIP() << "the thread check is a debug-build check";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            std::thread other([] { MakeNode("foreign"); });
            other.join();
        },
        "off the collector's thread");
#endif
}

TEST_F(CollectFaults, AnotherThreadMayWorkWithObjectsInsideTheCollectorsSection)
{
    TestNode* made = nullptr;
    std::thread other([&made] {
        QnLockGc gc;
        made = MakeNode("made elsewhere").Get();
        QnObj::CollectGarbage();
    });
    other.join();
    EXPECT_FALSE(TestNode::IsAlive(made));
}
