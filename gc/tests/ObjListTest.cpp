// Registration, the use order of the global list, and the object count.
#include "GcTestNode.h"

namespace {

std::vector<std::string> ListOrder()
{
    QnLockGc lock;
    std::vector<std::string> names;
    for (QnObj* obj = QnObj::pObjList.load(); obj; obj = obj->NextInList())
        names.push_back(static_cast<TestNode*>(obj)->Name());
    return names;
}

using Order = std::vector<std::string>;

} // namespace

using ObjList = GcTest;

TEST_F(ObjList, NewObjectsGoToTheFrontAndUseMovesThemThere)
{
    PpTestNode a = MakeNode("a"), b = MakeNode("b"), c = MakeNode("c");
    EXPECT_EQ(ListOrder(), (Order{"c", "b", "a"}));
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 3);

    a->Used(); // dereferencing marks used as well
    EXPECT_EQ(ListOrder(), (Order{"a", "c", "b"}));
    b->Used(); // the last one
    EXPECT_EQ(ListOrder(), (Order{"b", "a", "c"}));
    b->Used(); // already at the front: nothing changes
    EXPECT_EQ(ListOrder(), (Order{"b", "a", "c"}));
    (void)a.Get(); // identity only: not a use
    EXPECT_EQ(ListOrder(), (Order{"b", "a", "c"}));
}

TEST_F(ObjList, RegisteringTwiceAndRevokingUnregisteredChangeNothing)
{
    PpTestNode a = MakeNode("a");
    TestNode* raw = a.Get();
    raw->RegisterObject();
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 1);
    EXPECT_EQ(ListOrder(), (Order{"a"}));

    raw->RevokeObject();
    EXPECT_FALSE(raw->IsRegistered());
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 0);
    raw->RevokeObject();
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), 0);

    // Unregistered: use does not link it, and the collector does not see it.
    a->Used();
    EXPECT_TRUE(ListOrder().empty());
    a.Reset();
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_DISCARD, -1), 0);
    EXPECT_TRUE(TestNode::IsAlive(raw));

    // Registered again, it is an ordinary unlocked object.
    raw->RegisterObject();
    EXPECT_EQ(QnObj::CollectGarbage(), 1);
    EXPECT_FALSE(TestNode::IsAlive(raw));
}

TEST_F(ObjList, RevokingTheMiddleFrontAndBackKeepsTheListLinked)
{
    PpTestNode a = MakeNode("a"), b = MakeNode("b"), c = MakeNode("c"), d = MakeNode("d");
    b.Get()->RevokeObject();
    EXPECT_EQ(ListOrder(), (Order{"d", "c", "a"}));
    d.Get()->RevokeObject();
    EXPECT_EQ(ListOrder(), (Order{"c", "a"}));
    a.Get()->RevokeObject();
    EXPECT_EQ(ListOrder(), (Order{"c"}));
    a->Used();
    EXPECT_EQ(ListOrder(), (Order{"c"}));
    // Revoked objects are their owner's to delete.
    for (PpTestNode* h : {&a, &b, &d}) {
        TestNode* raw = h->Get();
        h->Reset();
        raw->RevokeAndDelete();
    }
}
