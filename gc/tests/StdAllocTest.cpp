// The collecting allocator: its totals and threshold, when it collects, and
// how it drops caches when physical memory runs short.
#include "GcTestNode.h"

#include "base/QnPhysicalMemory.h"

#include <limits>

// Huge requests must fail with null here, not stop the sanitizer.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
extern "C" const char* __tsan_default_options() { return "allocator_may_return_null=1"; }

namespace {

// A block of total bytes (header included) from allocator.
void* Block(QnStdAlloc& allocator, size_t total) { return QnOperatorNew(total - QnBlockHeaderSize, &allocator); }

// Memory stays short until the test's caches have lost this many.
int dropsUntilMemorySuffices = 0;

int DroppedCaches()
{
    int n = 0;
    for (const std::string& event : TestNode::Log())
        n += event.rfind("delete c", 0) == 0;
    return n;
}

uint64_t ShortUntilEnoughDropped()
{
    return DroppedCaches() >= dropsUntilMemorySuffices ? uint64_t(1) << 40 : 0;
}

class ProviderScope {
public:
    explicit ProviderScope(QnPhysicalMemoryProvider provider) : previous_(QnSetPhysicalMemoryProvider(provider)) {}
    ~ProviderScope() { QnSetPhysicalMemoryProvider(previous_); }

private:
    QnPhysicalMemoryProvider previous_;
};

// A locked owner of eight caches c0..c7, c7 the most recently used.
struct CacheOwner {
    PpTestNode owner = MakeNode("owner");
    CacheOwner()
    {
        for (int i = 0; i < 8; ++i)
            owner->discardable.push_back(MakeNode(std::string(1, 'c').append(std::to_string(i))).Get());
    }
};

std::vector<std::string> Deletions()
{
    std::vector<std::string> names;
    for (const std::string& event : TestNode::Log())
        if (event.rfind("delete ", 0) == 0)
            names.push_back(event.substr(7));
    return names;
}

} // namespace

using StdAlloc = GcTest;

TEST_F(StdAlloc, ThresholdGrowsPastUsageAndShrinksBelowAQuarter)
{
    struct Step {
        const char* what;
        int alloc;   // total bytes of a new block, or 0
        int release; // index of a block to free, or -1
        uint64_t allocated;
        uint64_t threshold;
    };
    const std::vector<Step> steps{
        {"fits under the threshold", 1000, -1, 1000, 1000},
        {"passes it: doubled usage", 100, -1, 1100, 2200},
        {"still under", 500, -1, 1600, 2200},
        {"free: usage above a quarter", 0, 2, 1100, 2200},
        {"free: usage below a quarter", 0, 0, 100, 200},
        {"free the last", 0, 1, 0, 0},
        {"from zero", 64, -1, 64, 128},
    };
    QnStdAlloc allocator(1000);
    std::vector<void*> blocks;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.alloc)
            blocks.push_back(Block(allocator, s.alloc));
        else
            QnOperatorDelete(std::exchange(blocks[s.release], nullptr));
        EXPECT_EQ(allocator.Allocated(), s.allocated);
        EXPECT_EQ(allocator.Threshold(), s.threshold);
    }
    for (void* block : blocks)
        QnOperatorDelete(block);
}

TEST_F(StdAlloc, CollectsWhenARequestPassesTheThresholdUnlessItIsLargerThanIt)
{
    QnStdAlloc allocator(1000);
    void* first = Block(allocator, 900);
    TestNode* garbage = MakeNode("garbage").Get();
    void* second = Block(allocator, 200); // 1100 > 1000: collect first
    EXPECT_FALSE(TestNode::IsAlive(garbage));
    ASSERT_EQ(allocator.Threshold(), 2200u);

    garbage = MakeNode("garbage").Get();
    void* large = Block(allocator, 3000); // larger than the threshold: no collection
    EXPECT_TRUE(TestNode::IsAlive(garbage));
    EXPECT_EQ(allocator.Allocated(), 4100u);
    EXPECT_EQ(allocator.Threshold(), 8200u);
    for (void* block : {first, second, large})
        QnOperatorDelete(block);
}

TEST_F(StdAlloc, AFailedRequestDropsEveryCacheAndTriesOnce)
{
    QnStdAlloc allocator(1000);
    CacheOwner caches;
    EXPECT_EQ(QnOperatorNew(std::numeric_limits<size_t>::max() / 2, &allocator), nullptr);
    EXPECT_EQ(DroppedCaches(), 8);
    EXPECT_EQ(allocator.Allocated(), 0u);
}

TEST_F(StdAlloc, MemoryShortForASmallRequestDropsTheLeastRecentlyUsedCacheFirst)
{
    // The request fits well under the threshold: one cache at a time.
    QnStdAlloc allocator(uint64_t(1) << 20);
    CacheOwner caches;
    dropsUntilMemorySuffices = 1;
    ProviderScope scope(ShortUntilEnoughDropped);
    void* block = Block(allocator, 64);
    EXPECT_EQ(Deletions(), std::vector<std::string>{"c0"});
    QnOperatorDelete(block);
}

TEST_F(StdAlloc, MemoryThatStaysShortDropsFiveOneByOneThenTheRest)
{
    QnStdAlloc allocator(uint64_t(1) << 20);
    CacheOwner caches;
    dropsUntilMemorySuffices = 100;
    ProviderScope scope(ShortUntilEnoughDropped);
    void* block = Block(allocator, 64);
    std::vector<std::string> deletions = Deletions();
    ASSERT_EQ(deletions.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(deletions.begin(), deletions.begin() + 5),
              (std::vector<std::string>{"c0", "c1", "c2", "c3", "c4"}));
    EXPECT_TRUE(caches.owner->discardable.empty());
    QnOperatorDelete(block);
}

TEST_F(StdAlloc, MemoryShortForARequestBeyondTheThresholdDropsWhatItNeeds)
{
    // 9000 bytes in use under a threshold of 10000, nine objects (1000 bytes
    // each on average): a request of 3000 needs two objects' worth.
    QnStdAlloc allocator(10000);
    void* used = Block(allocator, 9000);
    CacheOwner caches;
    ASSERT_EQ(QnObj::GetTotalNumberOfObjects(), 9);
    dropsUntilMemorySuffices = 2;
    ProviderScope scope(ShortUntilEnoughDropped);
    void* block = Block(allocator, 3000);
    std::vector<std::string> deletions = Deletions();
    std::sort(deletions.begin(), deletions.end());
    EXPECT_EQ(deletions, (std::vector<std::string>{"c0", "c1"}));
    QnOperatorDelete(block);
    QnOperatorDelete(used);
}

namespace {

// A node that owns a block of a given allocator, freed with it.
class BlockNode : public TestNode {
public:
    BlockNode(QnStdAlloc* allocator, size_t total) : TestNode("block"), block_(Block(*allocator, total)) {}

protected:
    ~BlockNode() override { QnOperatorDelete(block_); }

private:
    void* block_;
};

} // namespace

// A collection that frees little leaves the heap room to grow by what
// survived before the next one: a heap that keeps most of what it allocates
// is then walked about once per doubling, not every few allocations.
TEST_F(StdAlloc, ACollectionThatFreesLittleRaisesTheThreshold)
{
    QnStdAlloc allocator(1000);
    void* kept = Block(allocator, 600);
    TestNode* garbage = QnCreate<BlockNode>(&allocator, size_t(300)).Get(); // 900 allocated
    void* more = Block(allocator, 200); // 1100 > 1000: collect, 600 survive
    EXPECT_FALSE(TestNode::IsAlive(garbage));
    EXPECT_EQ(allocator.Allocated(), 800u);
    EXPECT_EQ(allocator.Threshold(), 1600u); // twice the survivors and the request

    garbage = QnCreate<BlockNode>(&allocator, size_t(700)).Get(); // 1500
    void* last = Block(allocator, 200); // 1700 > 1600: collect, 800 survive
    EXPECT_FALSE(TestNode::IsAlive(garbage));
    EXPECT_EQ(allocator.Threshold(), 2000u);
    for (void* block : {kept, more, last})
        QnOperatorDelete(block);
}
