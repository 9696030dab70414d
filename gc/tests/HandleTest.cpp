// Locks, protections and typed handles: what each assignment does to the
// counts, conversions to base-class handles, and creation.
#include "GcTestNode.h"

#include <functional>
#include <stdexcept>
#include <thread>

namespace {

// Starting point of every assignment case: x and y on object A, z on B, n null.
template <class H>
struct Handles {
    H x, y, z, n;
};

template <class H>
struct AssignCase {
    const char* name;
    std::function<void(Handles<H>&)> op;
    int32_t countA;
    int32_t countB;
};

template <class H>
std::vector<AssignCase<H>> CommonAssignCases()
{
    return {
        {"self-assignment", [](Handles<H>& h) { h.x = h.x; }, 2, 1},
        {"assign a handle on the same object", [](Handles<H>& h) { h.x = h.y; }, 2, 1},
        {"assign a handle on another object", [](Handles<H>& h) { h.x = h.z; }, 1, 2},
        {"assign a null handle", [](Handles<H>& h) { h.x = h.n; }, 1, 1},
        {"assign into a null handle", [](Handles<H>& h) { h.n = h.z; }, 2, 2},
        {"copy-construct", [](Handles<H>& h) { H copy(h.x); h.n = copy; }, 3, 1},
        {"move into a null handle", [](Handles<H>& h) { h.n = std::move(h.x); }, 2, 1},
        {"move onto another object's handle", [](Handles<H>& h) { h.z = std::move(h.x); }, 2, 0},
        {"null handle copied, assigned and destroyed", [](Handles<H>& h) { H m(h.n); m = h.n; h.n = m; }, 2, 1},
    };
}

template <class H, class Count>
void RunAssignCases(const std::vector<AssignCase<H>>& cases, Count count)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PpTestNode a = MakeNode("a"), b = MakeNode("b");
        {
            Handles<H> h{H(a.Get()), H(a.Get()), H(b.Get()), H()};
            c.op(h);
            EXPECT_EQ(count(a.Get()), c.countA);
            EXPECT_EQ(count(b.Get()), c.countB);
        }
        // All handles gone: each object is back to the lock of its maker.
        EXPECT_EQ(count(a.Get()), 0);
        EXPECT_EQ(count(b.Get()), 0);
    }
}

int32_t OtherLocks(QnObj* obj) { return obj->LockCount() - 1; } // minus the maker's handle
int32_t Protections(QnObj* obj) { return obj->ProtectCount(); }

} // namespace

using Handles_ = GcTest;

TEST_F(Handles_, AssignmentCasesOfTypedHandles)
{
    auto cases = CommonAssignCases<PpTestNode>();
    cases.push_back({"reset", [](Handles<PpTestNode>& h) { h.x.Reset(); }, 1, 1});
    cases.push_back({"assign nullptr", [](Handles<PpTestNode>& h) { h.y = nullptr; }, 1, 1});
    cases.push_back({"convert to a base-class handle",
                     [](Handles<PpTestNode>& h) { QnPp<QnObj> base = h.x; h.n = QnPpStaticCast<TestNode>(base); }, 3, 1});
    RunAssignCases<PpTestNode>(cases, OtherLocks);
}

TEST_F(Handles_, AssignmentCasesOfPlainLocks)
{
    auto cases = CommonAssignCases<QnObjLock>();
    cases.push_back({"assign the same pointer", [](Handles<QnObjLock>& h) { h.x = h.y.Get(); }, 2, 1});
    cases.push_back({"assign another pointer", [](Handles<QnObjLock>& h) { h.x = h.z.Get(); }, 1, 2});
    cases.push_back({"assign a null pointer", [](Handles<QnObjLock>& h) { h.x = static_cast<QnObj*>(nullptr); }, 1, 1});
    RunAssignCases<QnObjLock>(cases, OtherLocks);
}

TEST_F(Handles_, AssignmentCasesOfProtections)
{
    RunAssignCases<QnObjProtect>(CommonAssignCases<QnObjProtect>(), Protections);
}

TEST_F(Handles_, TheLastHandleGoingAwayLeavesTheObjectUntilTheNextCollection)
{
    PpTestNode a = MakeNode("a");
    TestNode* raw = a.Get();
    a.Reset();
    EXPECT_EQ(raw->LockCount(), 0);
    EXPECT_TRUE(TestNode::IsAlive(raw));
    EXPECT_EQ(QnObj::CollectGarbage(), 1);
    EXPECT_FALSE(TestNode::IsAlive(raw));
}

TEST_F(Handles_, NullHandleDereferencesToNullWithoutUse)
{
    PpTestNode front = MakeNode("front");
    PpTestNode null;
    EXPECT_EQ(null.operator->(), nullptr);
    EXPECT_FALSE(null);
    EXPECT_TRUE(null == nullptr);
    EXPECT_EQ(QnObj::pObjList.load(), front.Get());
}

namespace {

class DerivedNode : public TestNode {
public:
    int value() const { return value_; }

private:
    friend struct ::QnObjCreator;
    explicit DerivedNode(int value) : TestNode("derived"), value_(value) {}
    int value_;
};

// How a library names its handles: a thin subclass with factory constructors.
class PpTestNodeSub : public QnPp<TestNode> {
public:
    using QnPp::QnPp;
};
class PpDerivedNode : public QnPp<DerivedNode> {
public:
    using QnPp::QnPp;
    explicit PpDerivedNode(int value) : QnPp(QnCreate<DerivedNode>(value)) {}
};

class ThrowingNode : public TestNode {
public:
    ThrowingNode() { throw std::runtime_error("constructor fails"); }
};

} // namespace

TEST_F(Handles_, FactoryHandlesConvertToBaseClassHandles)
{
    PpDerivedNode derived(7);
    EXPECT_EQ(derived->value(), 7);
    EXPECT_EQ(derived->LockCount(), 1);
    EXPECT_TRUE(derived->IsRegistered());

    PpTestNodeSub base = derived; // a new lock on the same object
    EXPECT_EQ(derived->LockCount(), 2);
    EXPECT_TRUE(base == derived);
    QnPp<QnObj> root = std::move(base); // moving takes the lock over
    EXPECT_EQ(derived->LockCount(), 2);
    EXPECT_FALSE(base);

    EXPECT_TRUE(QnPpDynamicCast<DerivedNode>(root) == derived);
    EXPECT_FALSE(QnPpDynamicCast<ThrowingNode>(root));
    EXPECT_EQ(derived->LockCount(), 2);
}

TEST_F(Handles_, CreationThatThrowsLeavesNothingBehind)
{
    const uint64_t before = QnStdAlloc::stdalloc.Allocated();
    EXPECT_THROW(QnCreate<ThrowingNode>(), std::runtime_error);
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 0);
    EXPECT_EQ(QnStdAlloc::stdalloc.Allocated(), before);
}

TEST_F(Handles_, CopiesOnManyThreadsKeepTheCountExact)
{
    PpTestNode a = MakeNode("a");
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&a] {
            for (int i = 0; i < 20000; ++i) {
                PpTestNode copy = a;
                QnObjLock lock(copy.Get());
                PpTestNode other;
                other = copy;
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(a->LockCount(), 1);
}

// Headers declare handles on classes defined later (a node holding handles
// on nodes): declaring, default-constructing and moving need no definition.
class LaterNode;
struct HoldsLaterHandle {
    QnPp<LaterNode> handle;
    ~HoldsLaterHandle();
};
class LaterNode : public TestNode {};
HoldsLaterHandle::~HoldsLaterHandle() = default;

TEST_F(Handles_, HandlesOnClassesDefinedLaterCanBeDeclared)
{
    HoldsLaterHandle holder;
    holder.handle = QnCreate<LaterNode>();
    EXPECT_EQ(holder.handle->LockCount(), 1);
}
