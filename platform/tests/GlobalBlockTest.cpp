#include "platform/GlobalBlock.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::GlobalBlock;

TEST(GlobalBlock, SizesLocksAndHandlesAreExact)
{
    const size_t before = GlobalBlock::Count();
    GlobalBlock* block = GlobalBlock::Alloc(GlobalBlock::Moveable | GlobalBlock::ZeroInit, 281);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalBlock::Size(block), 281u);
    EXPECT_EQ(GlobalBlock::Count(), before + 1);

    auto* bytes = static_cast<uint8_t*>(GlobalBlock::Lock(block));
    ASSERT_NE(bytes, nullptr);
    for (size_t i = 0; i < 281; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(GlobalBlock::Lock(block), bytes);
    EXPECT_EQ(GlobalBlock::LockCount(block), 2u);

    // Any pointer into the block finds it; pointers just outside do not.
    EXPECT_EQ(GlobalBlock::Handle(bytes), block);
    EXPECT_EQ(GlobalBlock::Handle(bytes + 280), block);
    EXPECT_EQ(GlobalBlock::Handle(bytes + 281), nullptr);
    EXPECT_EQ(GlobalBlock::Handle(bytes - 1), nullptr);
    EXPECT_EQ(GlobalBlock::Size(GlobalBlock::Handle(bytes + 100)), 281u);

    EXPECT_TRUE(GlobalBlock::Unlock(block));
    EXPECT_FALSE(GlobalBlock::Unlock(block));
    EXPECT_FALSE(GlobalBlock::Unlock(block)); // no lock left to release
    EXPECT_EQ(GlobalBlock::Free(block), nullptr);
    EXPECT_EQ(GlobalBlock::Count(), before);
}

TEST(GlobalBlock, UnknownHandlesAndPointersAreAnsweredNotFollowed)
{
    int local = 0;
    auto* bogus = reinterpret_cast<GlobalBlock*>(&local);
    EXPECT_EQ(GlobalBlock::Handle(&local), nullptr);
    EXPECT_EQ(GlobalBlock::Handle(nullptr), nullptr);
    EXPECT_EQ(GlobalBlock::Size(bogus), 0u);
    EXPECT_EQ(GlobalBlock::Lock(bogus), nullptr);
    EXPECT_EQ(GlobalBlock::ReAlloc(bogus, 10, GlobalBlock::Moveable), nullptr);
    EXPECT_EQ(GlobalBlock::Free(bogus), bogus);

    GlobalBlock* freed = GlobalBlock::Alloc(GlobalBlock::Fixed, 8);
    void* bytes = GlobalBlock::Lock(freed);
    ASSERT_EQ(GlobalBlock::Free(freed), nullptr); // a locked block is freed all the same
    EXPECT_EQ(GlobalBlock::Free(freed), freed);   // a second free is refused
    EXPECT_EQ(GlobalBlock::Size(freed), 0u);
    EXPECT_EQ(GlobalBlock::Handle(bytes), nullptr);
}

TEST(GlobalBlock, ReAllocKeepsTheBytesAndZeroFillsTheNewTail)
{
    GlobalBlock* block = GlobalBlock::Alloc(GlobalBlock::Moveable, 4);
    std::memcpy(GlobalBlock::Lock(block), "OTOF", 4);

    // Locked and not allowed to move: growing fails and changes nothing;
    // shrinking is done in place.
    EXPECT_EQ(GlobalBlock::ReAlloc(block, 1000, GlobalBlock::ZeroInit), nullptr);
    EXPECT_EQ(GlobalBlock::Size(block), 4u);
    void* before = GlobalBlock::Lock(block);
    EXPECT_EQ(GlobalBlock::ReAlloc(block, 2, 0), block);
    EXPECT_EQ(GlobalBlock::Lock(block), before);
    EXPECT_EQ(GlobalBlock::Size(block), 2u);

    ASSERT_EQ(GlobalBlock::ReAlloc(block, 1000, GlobalBlock::Moveable | GlobalBlock::ZeroInit), block);
    auto* bytes = static_cast<uint8_t*>(GlobalBlock::Lock(block));
    EXPECT_EQ(GlobalBlock::Size(block), 1000u);
    EXPECT_EQ(std::memcmp(bytes, "OT", 2), 0);
    for (size_t i = 2; i < 1000; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(GlobalBlock::Handle(bytes + 999), block);
    EXPECT_EQ(GlobalBlock::Free(block), nullptr);
}

TEST(GlobalBlock, AnEmptyBlockHasAnAddressOfItsOwn)
{
    GlobalBlock* empty = GlobalBlock::Alloc(GlobalBlock::Moveable, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(GlobalBlock::Size(empty), 0u);
    void* bytes = GlobalBlock::Lock(empty);
    EXPECT_EQ(GlobalBlock::Handle(bytes), empty);
    EXPECT_EQ(GlobalBlock::Free(empty), nullptr);
}
