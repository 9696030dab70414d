#include "base/QnPageBlocks.h"
#include "base/QnSmallBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
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

// The two block allocators built on chunks of one size class each, with
// sizes of their range and the sizes just outside it.
struct Blocks {
    const char* name;
    bool (*serves)(size_t);
    void* (*alloc)(size_t);
    void (*free)(void*, size_t);
    size_t (*chunks)();
    size_t common, varied, variedStep, below, above;
    // Empty chunks that may stay when every block is back.
    size_t emptyKept;
};

const Blocks kBlocks[] = {
    // Page blocks keep their reserve of empty chunks and one of each class.
    {"PageBlocks", QnPageBlockSize, QnPageBlockAlloc, QnPageBlockFree, QnPageBlockChunks, 12304, 4112, 8, 4095, 65537,
     kQnPageBlockReserve / (size_t(2) << 20) + 2},
    // Small blocks keep their empty chunks for reuse: a few hundred
    // blocks of these sizes fill only a handful.
    {"SmallBlocks", QnSmallBlockSize, QnSmallBlockAlloc, QnSmallBlockFree, QnSmallBlockChunks, 144, 48, 16, 15, 513,
     16},
};

void PrintTo(const Blocks& b, std::ostream* os) { *os << b.name; }

class BlockChunks : public testing::TestWithParam<Blocks> {
protected:
    void SetUp() override
    {
        if (!GetParam().serves(GetParam().common))
            GTEST_SKIP() << "chunked blocks are off under the sanitizers";
    }
};

} // namespace

TEST_P(BlockChunks, BlocksKeepTheirBytesAndEmptyChunksDoNotPileUp)
{
    const Blocks& b = GetParam();
    EXPECT_FALSE(b.serves(b.below));
    EXPECT_FALSE(b.serves(b.above));
    const size_t before = b.chunks();
    // Two classes interleaved, freed in a scrambled order and refilled:
    // no block may overlap another or lose its contents.
    std::mt19937 random(7);
    std::vector<Held> held;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 700; ++i) {
            const size_t size = i % 3 ? b.common : b.varied + size_t(i % 5) * b.variedStep;
            Held h{b.alloc(size), size, uint8_t(random())};
            ASSERT_NE(h.block, nullptr);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(h.block) % 16, 0u);
            std::memset(h.block, h.fill, size);
            held.push_back(h);
        }
        std::shuffle(held.begin(), held.end(), random);
        for (size_t i = 0; i < held.size() / 2; ++i) {
            ASSERT_TRUE(Intact(held.back()));
            b.free(held.back().block, held.back().size);
            held.pop_back();
        }
    }
    for (const Held& h : held) {
        ASSERT_TRUE(Intact(h));
        b.free(h.block, h.size);
    }
    EXPECT_LE(b.chunks(), before + b.emptyKept);
}

TEST_P(BlockChunks, ThreadsAllocateAndFreeAtOnce)
{
    const Blocks& b = GetParam();
    std::vector<std::thread> threads;
    std::vector<int> faults(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &faults, &b] {
            std::vector<Held> mine;
            for (int i = 0; i < 3000; ++i) {
                Held h{b.alloc(b.common), b.common, uint8_t(t * 50 + i)};
                std::memset(h.block, h.fill, h.size);
                mine.push_back(h);
                if (i % 3 == 2) {
                    faults[size_t(t)] += !Intact(mine.front());
                    b.free(mine.front().block, b.common);
                    mine.erase(mine.begin());
                }
            }
            for (const Held& h : mine) {
                faults[size_t(t)] += !Intact(h);
                b.free(h.block, h.size);
            }
        });
    for (auto& thread : threads)
        thread.join();
    for (int f : faults)
        EXPECT_EQ(f, 0);
}

TEST(SmallBlocks, AChunkEmptiedByOneClassServesAnother)
{
    if (!QnSmallBlockSize(64))
        GTEST_SKIP() << "chunked blocks are off under the sanitizers";
    // Enough 64-byte blocks for several chunks, all freed: blocks of
    // another size then fill those chunks instead of new ones.
    std::vector<void*> blocks;
    for (int i = 0; i < 5000; ++i)
        blocks.push_back(QnSmallBlockAlloc(64));
    const size_t filled = QnSmallBlockChunks();
    for (void* p : blocks)
        QnSmallBlockFree(p, 64);
    blocks.clear();
    for (int i = 0; i < 2500; ++i)
        blocks.push_back(QnSmallBlockAlloc(112));
    EXPECT_EQ(QnSmallBlockChunks(), filled);
    for (void* p : blocks)
        QnSmallBlockFree(p, 112);
}

TEST(PageBlocks, AFreedPictureIsMadeAgainInItsMemoryAndMoreGoesBack)
{
    if (!QnPageBlockSize(12288))
        GTEST_SKIP() << "chunked blocks are off under the sanitizers";
    constexpr size_t kTile = 12288;  // 64 x 64 colour pixels
    const auto allocate = [](size_t bytes) {
        std::vector<void*> tiles;
        for (size_t i = 0; i < bytes / kTile; ++i) {
            tiles.push_back(QnPageBlockAlloc(kTile));
            std::memset(tiles.back(), int(i), kTile);
        }
        return tiles;
    };
    const auto release = [](std::vector<void*>& tiles) {
        for (void* p : tiles)
            QnPageBlockFree(p, kTile);
        tiles.clear();
    };
    const size_t reserveChunks = kQnPageBlockReserve / (size_t(2) << 20);
    const size_t before = QnPageBlockChunks();
    // A picture of half the reserve, freed and made again: its chunks wait
    // and take it again, none is fetched.
    std::vector<void*> tiles = allocate(kQnPageBlockReserve / 2);
    const size_t held = QnPageBlockChunks();
    release(tiles);
    EXPECT_EQ(QnPageBlockChunks(), held);
    tiles = allocate(kQnPageBlockReserve / 2);
    EXPECT_EQ(QnPageBlockChunks(), held);
    release(tiles);
    // Three times the reserve freed: all but the reserve goes back.
    tiles = allocate(3 * kQnPageBlockReserve);
    EXPECT_GT(QnPageBlockChunks(), before + 2 * reserveChunks);
    release(tiles);
    EXPECT_LE(QnPageBlockChunks(), before + reserveChunks + 1);
}

INSTANTIATE_TEST_SUITE_P(Chunked, BlockChunks, testing::ValuesIn(kBlocks),
                         [](const testing::TestParamInfo<Blocks>& info) { return info.param.name; });
