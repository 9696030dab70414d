#include "base/QnPageBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <random>
#include <thread>
#include <vector>

namespace {

struct Held {
    void* block;
    size_t size;
    uint8_t fill;
};

bool Intact(const Held& h)
{
    const auto* p = static_cast<const uint8_t*>(h.block);
    for (size_t i = 0; i < h.size; ++i)
        if (p[i] != h.fill)
            return false;
    return true;
}

} // namespace

TEST(QnPageBlocks, BlocksKeepTheirBytesAndChunksGoBackWhenEmpty)
{
    if (!QnPageBlockSize(12288))
        GTEST_SKIP() << "page blocks are off under the sanitizers";
    EXPECT_FALSE(QnPageBlockSize(4095));
    EXPECT_FALSE(QnPageBlockSize(65537));
    const size_t before = QnPageBlockChunks();
    // Two classes interleaved, freed in a scrambled order and refilled:
    // no block may overlap another or lose its contents.
    std::mt19937 random(7);
    std::vector<Held> held;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 700; ++i) {
            const size_t size = i % 3 ? 12304 : 4112 + size_t(i % 5) * 8;
            Held h{QnPageBlockAlloc(size), size, uint8_t(random())};
            ASSERT_NE(h.block, nullptr);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(h.block) % 16, 0u);
            std::memset(h.block, h.fill, size);
            held.push_back(h);
        }
        std::shuffle(held.begin(), held.end(), random);
        for (size_t i = 0; i < held.size() / 2; ++i) {
            ASSERT_TRUE(Intact(held.back()));
            QnPageBlockFree(held.back().block, held.back().size);
            held.pop_back();
        }
    }
    for (const Held& h : held) {
        ASSERT_TRUE(Intact(h));
        QnPageBlockFree(h.block, h.size);
    }
    // At most one empty chunk stays per class used.
    EXPECT_LE(QnPageBlockChunks(), before + 2);
}

TEST(QnPageBlocks, ThreadsAllocateAndFreeAtOnce)
{
    if (!QnPageBlockSize(12288))
        GTEST_SKIP() << "page blocks are off under the sanitizers";
    std::vector<std::thread> threads;
    std::vector<int> faults(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &faults] {
            std::vector<Held> mine;
            for (int i = 0; i < 3000; ++i) {
                Held h{QnPageBlockAlloc(12288), 12288, uint8_t(t * 50 + i)};
                std::memset(h.block, h.fill, h.size);
                mine.push_back(h);
                if (i % 3 == 2) {
                    faults[size_t(t)] += !Intact(mine.front());
                    QnPageBlockFree(mine.front().block, 12288);
                    mine.erase(mine.begin());
                }
            }
            for (const Held& h : mine) {
                faults[size_t(t)] += !Intact(h);
                QnPageBlockFree(h.block, h.size);
            }
        });
    for (auto& thread : threads)
        thread.join();
    for (int f : faults)
        EXPECT_EQ(f, 0);
}
