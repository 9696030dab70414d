#include "editor/effects/HugeBuffer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int64_t kMB = int64_t(1) << 20;

class HugeBufferTest : public ::testing::Test {
protected:
    void SetUp() override { HugeBuffer::DropSpares(); }
    void TearDown() override { HugeBuffer::DropSpares(); }
};

TEST_F(HugeBufferTest, HoldsTheSizeAskedInWholeAlignedPieces)
{
    for (const int64_t size : {int64_t(1), 3 * kMB, 4 * kMB}) {
        const HugeBuffer b = HugeBuffer::New(size);
        ASSERT_TRUE(b);
        EXPECT_GE(b.capacity(), size);
        EXPECT_EQ(b.capacity() % (2 * kMB), 0);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(b.get()) % (2 * kMB), 0u);
        std::memset(b.get(), 0xA5, size_t(b.capacity()));  // all of it is writable
    }
}

TEST_F(HugeBufferTest, AGivenUpBufferServesTheNextThatFits)
{
    uint8_t* first = nullptr;
    {
        HugeBuffer b = HugeBuffer::New(6 * kMB);
        first = b.get();
        b.get()[0] = 1;
    }
    const HugeBuffer larger = HugeBuffer::New(8 * kMB);
    EXPECT_NE(larger.get(), first);
    const HugeBuffer smaller = HugeBuffer::New(5 * kMB);
    EXPECT_EQ(smaller.get(), first);
    smaller.get()[smaller.capacity() - 1] = 2;
    const HugeBuffer again = HugeBuffer::New(2 * kMB);  // the spare is taken: a new one
    EXPECT_NE(again.get(), first);
}

TEST_F(HugeBufferTest, KeepsTheTwoLargestAndHandsOutTheSmallestThatFits)
{
    uint8_t* at[3] = {};
    {
        HugeBuffer a = HugeBuffer::New(2 * kMB), b = HugeBuffer::New(4 * kMB), c = HugeBuffer::New(8 * kMB);
        at[0] = a.get();
        at[1] = b.get();
        at[2] = c.get();
    }
    const HugeBuffer four = HugeBuffer::New(2 * kMB);
    EXPECT_EQ(four.get(), at[1]);
    const HugeBuffer eight = HugeBuffer::New(2 * kMB);
    EXPECT_EQ(eight.get(), at[2]);
    const HugeBuffer fresh = HugeBuffer::New(2 * kMB);  // the smallest was not kept
    EXPECT_NE(fresh.get(), at[1]);
    EXPECT_NE(fresh.get(), at[2]);
}

TEST_F(HugeBufferTest, MovesOwnership)
{
    HugeBuffer a = HugeBuffer::New(kMB);
    uint8_t* p = a.get();
    HugeBuffer b = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), p);
    a = std::move(b);
    EXPECT_EQ(a.get(), p);
}

}  // namespace
