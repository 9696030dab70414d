#include "base/QnMemPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

TEST(QnMemPool, HandsOutDistinctAlignedBlocksAndGrows)
{
    QnMemPool pool(24);
    EXPECT_EQ(pool.BlockSize(), 32u);
    std::set<void*> seen;
    std::vector<void*> blocks;
    for (int i = 0; i < 1000; ++i) {
        void* p = pool.alloc();
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 16, 0u);
        std::memset(p, 0xAB, pool.BlockSize());
        EXPECT_TRUE(seen.insert(p).second) << "block handed out twice";
        blocks.push_back(p);
    }
    EXPECT_EQ(pool.BlocksInUse(), 1000u);
    EXPECT_GE(pool.Capacity(), 1000u);
    for (void* p : blocks)
        pool.free(p);
    EXPECT_EQ(pool.BlocksInUse(), 0u);
}

TEST(QnMemPool, RecyclesFreedBlocksBeforeGrowing)
{
    QnMemPool pool(64);
    void* a = pool.alloc();
    void* b = pool.alloc();
    const size_t capacity = pool.Capacity();
    pool.free(a);
    EXPECT_EQ(pool.alloc(), a);
    pool.free(b);
    EXPECT_EQ(pool.alloc(), b);
    EXPECT_EQ(pool.Capacity(), capacity);
}

TEST(QnMemPool, GrowAddsFreeBlocks)
{
    QnMemPool pool(16);
    EXPECT_EQ(pool.Capacity(), 0u);
    EXPECT_NE(pool.grow(), 0);
    const size_t first = pool.Capacity();
    EXPECT_GT(first, 0u);
    EXPECT_NE(pool.grow(), 0);
    EXPECT_GT(pool.Capacity(), first);
}

namespace {
struct NullAlloc : QnMemAlloc {
    void* alloc(size_t) override { return nullptr; }
    void free(void*) override {}
};
} // namespace

TEST(QnMemPool, ReportsAFailedGrowth)
{
    NullAlloc none;
    QnMemPool pool(16, &none);
    EXPECT_EQ(pool.grow(), 0);
    EXPECT_EQ(pool.alloc(), nullptr);
}
