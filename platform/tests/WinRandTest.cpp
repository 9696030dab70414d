#include "platform/TickClock.h"
#include "platform/WinRand.h"

#include <gtest/gtest.h>

using platform::TickClock;
using platform::WinRand;

TEST(WinRand, GivesTheSystemsSequenceForASeed)
{
    WinRand rand;
    const int32_t fromOne[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t expected : fromOne)
        EXPECT_EQ(rand.Next(), expected);

    // Instances are independent, and seeding starts the sequence again.
    WinRand other(12345);
    const int32_t first = other.Next();
    rand.Seed(12345);
    EXPECT_EQ(rand.Next(), first);
    rand.Seed(1);
    EXPECT_EQ(rand.Next(), 41);
}

TEST(TickClock, ATestClockReplacesTheSystemsUntilRemoved)
{
    const uint32_t a = TickClock::Now();
    const uint32_t b = TickClock::Now();
    EXPECT_LE(uint32_t(b - a), 1000u);

    auto previous = TickClock::SetSource([]() -> uint32_t { return 0xFFFFFFF0u; });
    EXPECT_EQ(previous, nullptr);
    EXPECT_EQ(TickClock::Now(), 0xFFFFFFF0u);
    TickClock::SetSource(previous);
    EXPECT_LE(uint32_t(TickClock::Now() - a), 60000u);
}
