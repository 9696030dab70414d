#include "filters/sdk/PIHandles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Every test leaves the allocator as it found it.
class HandleAllocator : public ::testing::Test {
protected:
    void SetUp() override
    {
        handles_ = GetLiveHostHandleCount();
        blocks_ = GetLiveHostBlockCount();
    }
    void TearDown() override
    {
        EXPECT_EQ(GetLiveHostHandleCount(), handles_);
        EXPECT_EQ(GetLiveHostBlockCount(), blocks_);
    }

private:
    int32_t handles_ = 0;
    int32_t blocks_ = 0;
};

TEST_F(HandleAllocator, ANewHandleIsAZeroFilledFotoBlockOfTheAskedSize)
{
    Handle h = NewHostHandle(24);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(std::memcmp(&h->signature, "OTOF", 4), 0);
    EXPECT_EQ(IsValidHostHandle(h), 1);
    EXPECT_EQ(GetHostHandleSize(h), 24);
    EXPECT_EQ(LockHostHandle(h), h->data);
    const auto* bytes = static_cast<const unsigned char*>(h->data);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(bytes[i], 0);
    EXPECT_EQ(FreeHostHandle(h), 1);
    EXPECT_EQ(NewHostHandle(-1), nullptr);
}

TEST_F(HandleAllocator, ADoubleFreeIsRefusedNotACrash)
{
    Handle h = NewHostHandle(8);
    EXPECT_EQ(FreeHostHandle(h), 1);
    EXPECT_EQ(IsValidHostHandle(h), 0);
    EXPECT_EQ(FreeHostHandle(h), 0);
    EXPECT_EQ(GetHostHandleSize(h), 0);
    EXPECT_EQ(DuplicateHandleBlock(h), nullptr);
    EXPECT_EQ(SetHostHandleSize(h, 4), memWZErr);

    void* block = NewHostBlock(8);
    EXPECT_EQ(FreeHostBlock(block), 1);
    EXPECT_EQ(FreeHostBlock(block), 0);
    EXPECT_EQ(GetHostBlockSize(block), -1);
}

TEST_F(HandleAllocator, ForgedOrDamagedHandlesAreNotValid)
{
    // Blocks laid out like a handle but not made by the allocator, and real
    // handles whose fields a module overwrote.
    char data[8] = {};
    FotoHandleBlock forged{data, PI_HANDLE_SIGNATURE};
    EXPECT_EQ(IsValidHostHandle(&forged), 0);
    EXPECT_EQ(FreeHostHandle(&forged), 0);
    EXPECT_EQ(IsValidHostHandle(nullptr), 0);
    EXPECT_EQ(FreeHostHandle(nullptr), 0);

    Handle h = NewHostHandle(8);
    void* own = h->data;
    h->signature = PI_FOURCC('B', 'A', 'D', '!');
    EXPECT_EQ(IsValidHostHandle(h), 0);
    EXPECT_EQ(SetHostHandleSize(h, 16), memWZErr);
    h->signature = PI_HANDLE_SIGNATURE;
    h->data = data;
    EXPECT_EQ(IsValidHostHandle(h), 0);
    EXPECT_EQ(SetHostHandleSize(h, 16), memFullErr);
    h->data = nullptr;
    EXPECT_EQ(IsValidHostHandle(h), 0);
    h->data = own;
    EXPECT_EQ(FreeHostHandle(h), 1);
}

TEST_F(HandleAllocator, DuplicateCopiesTheDataIntoANewBlock)
{
    Handle h = NewHostHandle(5);
    std::memcpy(h->data, "abcde", 5);
    Handle copy = DuplicateHandleBlock(h);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->data, h->data);
    EXPECT_EQ(GetHostHandleSize(copy), 5);
    EXPECT_EQ(std::memcmp(copy->data, "abcde", 5), 0);
    EXPECT_EQ(FreeHostHandle(h), 1);
    EXPECT_EQ(IsValidHostHandle(copy), 1);
    EXPECT_EQ(FreeHostHandle(copy), 1);
}

TEST_F(HandleAllocator, SetSizeKeepsWhatFitsAndZeroFillsTheRest)
{
    Handle h = NewHostHandle(4);
    std::memcpy(h->data, "wxyz", 4);
    ASSERT_EQ(SetHostHandleSize(h, 8), noErr);
    EXPECT_EQ(GetHostHandleSize(h), 8);
    EXPECT_EQ(std::memcmp(h->data, "wxyz\0\0\0\0", 8), 0);
    ASSERT_EQ(SetHostHandleSize(h, 2), noErr);
    EXPECT_EQ(GetHostHandleSize(h), 2);
    EXPECT_EQ(std::memcmp(h->data, "wx", 2), 0);
    EXPECT_EQ(SetHostHandleSize(h, -5), memFullErr);
    EXPECT_EQ(GetHostHandleSize(h), 2);
    EXPECT_EQ(FreeHostHandle(h), 1);
}

TEST_F(HandleAllocator, BlocksKnowTheirSize)
{
    void* block = NewHostBlock(100);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GetHostBlockSize(block), 100);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 16, 0u);
    int onStack = 0;
    EXPECT_EQ(GetHostBlockSize(&onStack), -1);
    EXPECT_EQ(FreeHostBlock(&onStack), 0);
    EXPECT_EQ(FreeHostBlock(block), 1);
}

} // namespace
