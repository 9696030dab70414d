#include "base/QnPhysicalMemory.h"

#include <gtest/gtest.h>

namespace {
uint64_t huge() { return uint64_t(6) << 30; }
uint64_t small() { return 12345; }
} // namespace

TEST(QnPhysicalMemory, SystemReadingIsPlausible)
{
    const uint64_t available = QnReadSystemMemoryAvailable();
    EXPECT_GT(available, uint64_t(1) << 20);
}

TEST(QnPhysicalMemory, ProviderReplacesTheReadingAndSaturatesAt32Bits)
{
    auto previous = QnSetPhysicalMemoryProvider(huge);
    EXPECT_EQ(QnGetPhysicalMemoryAvailable64(), uint64_t(6) << 30);
    EXPECT_EQ(QnGetPhysicalMemoryAvailable(), 0xFFFFFFFFu);
    QnSetPhysicalMemoryProvider(small);
    EXPECT_EQ(QnGetPhysicalMemoryAvailable(), 12345u);
    QnSetPhysicalMemoryProvider(previous);
}

TEST(QnPhysicalMemory, BudgetCapsTheReading)
{
    QnSetMemoryBudget(uint64_t(1) << 40);
    const uint64_t generous = QnGetPhysicalMemoryAvailable64();
    // A budget below what the process already holds leaves nothing.
    QnSetMemoryBudget(4096);
    EXPECT_EQ(QnGetPhysicalMemoryAvailable64(), 0u);
    QnSetMemoryBudget(0);
    EXPECT_GT(generous, 0u);
}
