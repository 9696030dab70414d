#include "base/QnCriticalSection.h"
#include "base/QnInterlockedCounter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

TEST(QnCriticalSection, IsReentrantOnItsThread)
{
    QnCriticalSection cs;
    QnCriticalSectionLock outer(cs);
    QnCriticalSectionLock inner(cs);
    EXPECT_TRUE(cs.TryEnter());
    cs.Leave();
}

TEST(QnCriticalSection, BlocksAnotherThreadUntilLeft)
{
    QnCriticalSection cs;
    std::atomic<bool> entered{false};
    cs.Enter();
    std::thread other([&] {
        QnCriticalSectionLock lock(cs);
        entered = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(entered.load());
    cs.Leave();
    other.join();
    EXPECT_TRUE(entered.load());
}

TEST(QnInterlockedCounter, CountsExactlyAcrossThreads)
{
    QnInterlockedCounter counter(0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 100000; ++i) {
                ++counter;
                ++counter;
                --counter;
            }
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(int32_t(counter), 400000);
    EXPECT_EQ(--counter, 399999);
}
