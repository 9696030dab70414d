// Slot arrays: stable 1-based indexes, the order in which freed slots are
// reused, and enumeration both ways.
#include "lang/Array.h"
#include "lang/FlInt.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::vector<int32_t> Walk(QnArray_<int>& a, int backward, std::vector<int>* values = nullptr)
{
    std::unique_ptr<QnContainerEnum_<int>> e(a.CreateEnum(backward));
    std::vector<int32_t> indexes;
    int* element = nullptr;
    int32_t index = -1;
    while (e->Next(element, &index)) {
        indexes.push_back(index);
        if (values)
            values->push_back(*element);
    }
    EXPECT_EQ(element, nullptr);
    EXPECT_EQ(index, 0);
    return indexes;
}

} // namespace

TEST(Array, GrowsByItsStepAndHandsOutIndexesInOrder)
{
    QnArray_<int> a(16);
    EXPECT_EQ(a.GetCapacity(), 0);
    EXPECT_EQ(a.Add(10), 1);
    EXPECT_EQ(a.GetCapacity(), 16);
    for (int i = 2; i <= 16; ++i)
        EXPECT_EQ(a.Add(i * 10), i);
    EXPECT_EQ(a.Add(170), 17);
    EXPECT_EQ(a.GetCapacity(), 32);
    EXPECT_EQ(a.GetCount(), 17);
    // Growing kept every element at its index.
    for (int i = 1; i <= 17; ++i)
        EXPECT_EQ(a.Get(i), i * 10);
}

TEST(Array, FreedSlotIsReusedOnlyAfterTheHintReachesTheEnd)
{
    QnArray_<int> a(4);
    a.Add(1);
    a.Add(2);
    a.Add(3);
    a.Remove(2);
    EXPECT_FALSE(a.IsValid(2));
    EXPECT_EQ(a.Add(4), 4); // hint moves on, slot 2 waits
    EXPECT_EQ(a.Add(5), 2); // block full at the hint: lowest free slot
    a.Remove(1);
    a.Remove(3);
    EXPECT_EQ(a.Add(6), 1);
    EXPECT_EQ(a.Add(7), 3);
    EXPECT_EQ(a.Add(8), 5); // all used: grows
    EXPECT_EQ(a.GetCapacity(), 8);
}

TEST(Array, BadIndexesAreIgnoredRefusedOrRaised)
{
    QnArray_<int> empty(16);
    for (int32_t index : {0, 1, 17, -1}) {
        EXPECT_FALSE(empty.IsValid(index));
        empty.Remove(index);
        EXPECT_THROW(empty.Get(index), QnRangeExcept);
    }
    QnArray_<int> a(16);
    a.Add(1);
    for (int32_t index : {0, 2, 16, 17, -1}) {
        EXPECT_FALSE(a.IsValid(index)) << index;
        a.Remove(index);
        EXPECT_THROW(a.Get(index), QnRangeExcept) << index;
    }
    EXPECT_EQ(a.GetCount(), 1);
    try {
        a.Get(0);
    } catch (const QnRangeExcept& e) {
        EXPECT_STREQ(e.what(), "");
    }
}

TEST(Array, EnumeratesUsedSlotsForwardAndBackward)
{
    QnArray_<int> a(4);
    for (int v : {10, 20, 30, 40, 50})
        a.Add(v);
    a.Remove(2);
    a.Remove(5);
    std::vector<int> values;
    EXPECT_EQ(Walk(a, 0, &values), (std::vector<int32_t>{1, 3, 4}));
    EXPECT_EQ(values, (std::vector<int>{10, 30, 40}));
    EXPECT_EQ(Walk(a, 1), (std::vector<int32_t>{4, 3, 1}));

    std::unique_ptr<QnContainerEnum_<int>> e(a.CreateEnum(1));
    EXPECT_EQ(e->GetCount(), 3);
    int* element = nullptr;
    ASSERT_TRUE(e->Next(element, nullptr));
    EXPECT_EQ(*element, 40);
    std::unique_ptr<QnContainerEnum_<int>> clone(e->Clone()); // reset, not at e's position
    ASSERT_TRUE(clone->Next(element, nullptr));
    EXPECT_EQ(*element, 40);
    ASSERT_TRUE(e->Next(element, nullptr));
    EXPECT_EQ(*element, 30);
    e->Reset();
    ASSERT_TRUE(e->Next(element, nullptr));
    EXPECT_EQ(*element, 40);

    QnArray_<int> none(4);
    EXPECT_TRUE(Walk(none, 0).empty());
    EXPECT_TRUE(Walk(none, 1).empty());
}

TEST(Array, RemoveAllKeepsTheCapacity)
{
    QnArray_<int> a(16);
    for (int i = 0; i < 20; ++i)
        a.Add(i);
    a.RemoveAll();
    EXPECT_EQ(a.GetCount(), 0);
    EXPECT_EQ(a.GetCapacity(), 32);
    EXPECT_EQ(a.Add(7), 1);
    EXPECT_TRUE(Walk(a, 0) == std::vector<int32_t>{1});
}

TEST(Array, HandlesInSlotsAreReleasedWhenRemoved)
{
    PpQnFlVal v(1);
    QnArray_<PpQnFlVal> a(2);
    const int32_t i = a.Add(v);
    a.Add(v);
    a.Add(v); // grows: handles move to the new block without leaking locks
    EXPECT_EQ(v->LockCount(), 4);
    a.Remove(i);
    EXPECT_EQ(v->LockCount(), 3);
    a.RemoveAll();
    EXPECT_EQ(v->LockCount(), 1);
    {
        QnArray_<PpQnFlVal> b(2);
        b.Add(v);
    }
    EXPECT_EQ(v->LockCount(), 1);
}
