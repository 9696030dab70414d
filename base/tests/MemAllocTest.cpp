#include "base/QnExcept.h"
#include "base/QnMemAlloc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
// Counts what passes through it and hands out plain memory.
struct CountingAlloc : QnMemAlloc {
    int allocs = 0, frees = 0;
    uint64_t bytes = 0;
    void* alloc(size_t size) override
    {
        ++allocs;
        bytes += size;
        return QnAlloc(size);
    }
    void free(void* p) override
    {
        ++frees;
        bytes -= QnBlockSize(p);
        QnFree(p);
    }
};
} // namespace

TEST(QnOperatorNew, BlocksAreAlignedAndGoBackToTheirOwnAllocator)
{
    CountingAlloc first, second;
    std::vector<void*> blocks;
    for (size_t size : {1u, 15u, 16u, 17u, 100u, 4096u}) {
        void* a = QnOperatorNew(size, &first);
        void* b = QnOperatorNew(size, &second);
        void* plain = QnOperatorNew(size, nullptr);
        for (void* p : {a, b, plain}) {
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 16, 0u) << size;
        }
        blocks.insert(blocks.end(), {a, b, plain});
    }
    EXPECT_EQ(first.allocs, 6);
    EXPECT_EQ(second.allocs, 6);
    EXPECT_GT(first.bytes, 0u);
    for (void* p : blocks)
        QnOperatorDelete(p);
    EXPECT_EQ(first.frees, 6);
    EXPECT_EQ(second.frees, 6);
    EXPECT_EQ(first.bytes, 0u);
    EXPECT_EQ(second.bytes, 0u);
    QnOperatorDelete(nullptr);
}

TEST(QnOperatorNew, GivesNullWhenTheAllocatorHasNothing)
{
    struct Empty : QnMemAlloc {
        void* alloc(size_t) override { return nullptr; }
        void free(void*) override {}
    } empty;
    EXPECT_EQ(QnOperatorNew(64, &empty), nullptr);
}

TEST(QnStandardNewHandler, RaisesInsteadOfReturning)
{
    EXPECT_THROW(qn_standard_new_handler(0), QnExcept);
}
