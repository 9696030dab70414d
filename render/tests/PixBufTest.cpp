#include "render/PixBuf.h"

#include "ExpectRaise.h"
#include "gc/QnStdAlloc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

namespace {

// A 4 x 3 buffer of one byte a pixel whose pixel (x, y) holds 10 * y + x.
PpQnPixBuf Numbered()
{
    PpQnPixBuf buf(12, QnRect{0, 0, 4, 3}, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            buf->Row(y)[x] = uint8_t(10 * y + x);
    return buf;
}

} // namespace

TEST(QnPixBuf, CopyOnWriteTwinKeepsTheOwnersPixels)
{
    PpQnPixBuf owner = Numbered();
    PpQnPixBuf twin(owner, 1);
    EXPECT_EQ(twin->CRow(2), owner->CRow(2)); // no copy until written
    twin->Row(1)[1] = 99;
    EXPECT_EQ(twin->CRow(1)[1], 99);
    EXPECT_EQ(owner->CRow(1)[1], 11);
    // The owner writing after the twin has its own store copies nothing more.
    owner->Row(0)[0] = 77;
    EXPECT_EQ(twin->CRow(0)[0], 0);
}

TEST(QnPixBuf, OwnerWritingDoesNotReachItsTwin)
{
    PpQnPixBuf owner = Numbered();
    PpQnPixBuf twin(owner, 1);
    owner->Row(2)[3] = 1;
    EXPECT_EQ(twin->CRow(2)[3], 23);
    EXPECT_FALSE(owner->IsStoreShared());
}

TEST(QnPixBuf, SharedTwinSeesWrites)
{
    PpQnPixBuf owner = Numbered();
    PpQnPixBuf shared(owner, 0);
    shared->Row(1)[2] = 55;
    EXPECT_EQ(owner->CRow(1)[2], 55);
}

TEST(QnPixBuf, ViewAddressesPartOfTheRows)
{
    PpQnPixBuf owner = Numbered();
    // Pixels (1..3, 1..2) of the owner.
    PpQnPixBuf view(owner, QnRect{1, 1, 4, 3}, 1, 1, 1);
    EXPECT_EQ(view->GetRowBytes(), 4);
    EXPECT_EQ(view->CRow(0)[0], 11);
    EXPECT_EQ(view->CRow(1)[2], 23);
    // A view of a view adds its offsets.
    PpQnPixBuf inner(view, QnRect{2, 2, 4, 3}, 1, 1, 1);
    EXPECT_EQ(inner->CRow(0)[0], 22);
    // Written, a copy-on-write view leaves the owner alone.
    view->Row(0)[0] = 200;
    EXPECT_EQ(owner->CRow(1)[1], 11);
    EXPECT_EQ(inner->CRow(0)[0], 22);
}

TEST(QnPixBuf, DefaultBuffersAreEmptyAndNotShared)
{
    PpQnPixBuf a, b;
    ASSERT_TRUE(a);
    EXPECT_EQ(a->GetRect(), QnRect{});
    EXPECT_EQ(a->GetRowBytes(), 1);
    // An empty buffer written by a careless worker must not leak into others.
    a->Row(0)[0] = 42;
    EXPECT_NE(b->CRow(0)[0], 42);
    EXPECT_FALSE(PpQnPixBuf(nullptr));
}

TEST(QnPixBuf, HandlesCountTheirBuffer)
{
    PpQnPixBuf a = Numbered();
    {
        PpQnPixBuf b = a;
        PpQnPixBuf c;
        c = b;
        c = c;
        EXPECT_EQ(c.Get(), a.Get());
    }
    EXPECT_EQ(a->CRow(2)[3], 23);
    PpQnPixBuf moved = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(moved->CRow(0)[1], 1);
}

TEST(QnPixBuf, BytesComeFromTheCollectingAllocatorWhenFirstTouched)
{
    const uint64_t before = QnStdAlloc::stdalloc.Allocated();
    {
        PpQnPixBuf buf(1 << 20, QnRect{0, 0, 1024, 1024}, 1024);
        EXPECT_EQ(QnStdAlloc::stdalloc.Allocated(), before);
        buf->CRow(0);
        EXPECT_GE(QnStdAlloc::stdalloc.Allocated(), before + (1 << 20));
    }
    EXPECT_EQ(QnStdAlloc::stdalloc.Allocated(), before);
}

TEST(QnPixBuf, HoldsChecksTheRowsAgainstTheStore)
{
    PpQnPixBuf owner = Numbered();
    EXPECT_TRUE(owner->Holds(1));
    EXPECT_FALSE(owner->Holds(2));
    EXPECT_TRUE(PpQnPixBuf(owner, QnRect{1, 1, 4, 3}, 1, 1, 1)->Holds(1));
    EXPECT_FALSE(PpQnPixBuf(owner, QnRect{1, 1, 4, 4}, 1, 1, 1)->Holds(1));
    EXPECT_FALSE(PpQnPixBuf(owner, QnRect{0, 0, 4, 1}, -1, 0, 1)->Holds(1));
}

TEST(QnPixBuf, ForRectPacksRowsAndRefusesWhatDoesNotFit)
{
    PpQnPixBuf buf = PpQnPixBuf::ForRect(QnRect{5, 5, 15, 9}, 3);
    EXPECT_EQ(buf->GetRowBytes(), 30);
    EXPECT_TRUE(buf->Holds(3));
    EXPECT_RAISES(PpQnPixBuf::ForRect(QnRect{0, 0, 40000, 40000}, 3), "Out of memory");
    EXPECT_RAISES(PpQnPixBuf::ForRect(QnRect{-2000000000, 0, 2000000000, 1}, 1), "Out of memory");
}

// Handles and copy-on-write twins are made and dropped on several threads
// at once; the counts must come out right (checked under the sanitizers).
// Writing stays on the thread that allocates: unsharing takes memory from
// the collecting allocator, which may collect.
TEST(QnPixBuf, CountsHoldAcrossThreads)
{
    PpQnPixBuf owner = Numbered();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&owner] {
            for (int i = 0; i < 2000; ++i) {
                PpQnPixBuf copy = owner;
                PpQnPixBuf twin(copy, 1);
                PpQnPixBuf view(twin, QnRect{1, 1, 4, 3}, 1, 1, 1);
                EXPECT_EQ(view->CRow(1)[2], 23);
            }
        });
    for (int i = 0; i < 2000; ++i) {
        PpQnPixBuf twin(owner, 1);
        twin->Row(0)[0] = 9;
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(owner->CRow(0)[0], 0);
    EXPECT_FALSE(owner->IsStoreShared());
}
