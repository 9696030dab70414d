#include "gc/QnStdAlloc.h"

#include "base/QnPageBlocks.h"
#include "base/QnPhysicalMemory.h"
#include "base/QnSmallBlocks.h"
#include "gc/QnCollector.h"
#include "gc/QnGcSection.h"
#include "gc/QnObj.h"

#include <algorithm>
#include <limits>

QnStdAlloc QnStdAlloc::stdalloc(QnStdAlloc::kInitialThreshold);

namespace {

uint64_t SaturatingDouble(uint64_t v)
{
    return v > std::numeric_limits<uint64_t>::max() / 2 ? std::numeric_limits<uint64_t>::max() : 2 * v;
}

bool MemoryShortFor(uint64_t n) { return QnGetPhysicalMemoryAvailable64() < n; }

// Small objects and tile-sized blocks come from chunks of their size
// class; the size recorded in the block's header sends each back to where
// it came from.
void* RawAlloc(size_t bytes)
{
    if (QnSmallBlockSize(bytes))
        return QnSmallBlockAlloc(bytes);
    return QnPageBlockSize(bytes) ? QnPageBlockAlloc(bytes) : QnAlloc(bytes);
}

void RawFree(void* block, uint64_t bytes)
{
    if (QnSmallBlockSize(bytes))
        QnSmallBlockFree(block, bytes);
    else if (QnPageBlockSize(bytes))
        QnPageBlockFree(block, bytes);
    else
        QnFree(block);
}

} // namespace

QnStdAlloc::QnStdAlloc(uint64_t threshold) : threshold_(threshold) {}

QnStdAlloc::~QnStdAlloc() = default;

void* QnStdAlloc::alloc(size_t size)
{
    const uint64_t n = size;
    // A request larger than the threshold is not worth a collection first.
    if (n <= Threshold())
        MakeRoomFor(n);
    // Room for the header even when called directly with less.
    const size_t bytes = std::max(size, QnBlockHeaderSize);
    void* block = RawAlloc(bytes);
    if (!block) {
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        block = RawAlloc(bytes);
        if (!block)
            return nullptr;
    }
    // QnOperatorNew writes the same header; writing the size here keeps
    // free() right for a block taken from alloc() directly.
    static_cast<QnBlockHeader*>(block)->size = n;
    Account(n);
    return block;
}

void QnStdAlloc::free(void* block)
{
    if (!block)
        return;
    const uint64_t n = QnBlockSize(block);
    RawFree(block, std::max<uint64_t>(n, QnBlockHeaderSize));
    const uint64_t now = allocated_.fetch_sub(n, std::memory_order_relaxed) - n;
    // Shrink only when usage fell well below the threshold, so that a heap
    // that breathes around one size does not collect on every swing.
    if (now <= std::numeric_limits<uint64_t>::max() / 4 && 4 * now < Threshold())
        threshold_.store(SaturatingDouble(now), std::memory_order_relaxed);
}

void QnStdAlloc::Account(uint64_t n)
{
    const uint64_t now = allocated_.fetch_add(n, std::memory_order_relaxed) + n;
    if (now > Threshold())
        threshold_.store(SaturatingDouble(now), std::memory_order_relaxed);
}

void QnStdAlloc::MakeRoomFor(uint64_t n)
{
    if (Allocated() + n <= Threshold() && !MemoryShortFor(n))
        return;
    // The whole decision runs under the collector's section, which every
    // collection takes anyway: one section, so no order between two.
    QnGcSectionLock lock;
    if (Allocated() + n > Threshold() || MemoryShortFor(n)) {
        // Caches go too once they outgrow the live data: results that
        // nothing reaches any more would otherwise stay until memory runs
        // short, and the heap would grow with every intermediate result
        // ever computed. Protected objects keep what they reach.
        const uint64_t before = Allocated();
        QnCollector::RunWithCacheBudget(QnObj::DF_FIX_PROTECTED, kMinCachedObjects);
        // A collection that freed less than half leaves the heap room to
        // grow by what survived before the next one; otherwise a growing
        // heap is walked whole every few allocations.
        const uint64_t survived = Allocated();
        if (survived + n > Threshold() / 2)
            threshold_.store(std::max(Threshold(), SaturatingDouble(survived + n)), std::memory_order_relaxed);
        // One that dropped the caches freed most of the heap, and the frees
        // pulled the threshold down with them: the heap may grow back to
        // where it was, or it would be collected again at every doubling
        // on the way up.
        if (before > Threshold())
            threshold_.store(before, std::memory_order_relaxed);
    }
    if (MemoryShortFor(n))
        RelieveMemoryPressure(n);
}

// Drops caches, least recently used first, in steps sized to what the
// request needs beyond the threshold, until memory suffices; then, if it
// still does not, all of them.
void QnStdAlloc::RelieveMemoryPressure(uint64_t n)
{
    const int32_t objects = QnObj::num;
    if (objects <= 0)
        return;
    const uint64_t allocated = Allocated();
    const uint64_t threshold = Threshold();
    const uint64_t average = allocated / static_cast<uint64_t>(objects);
    // How many average objects the request needs beyond the threshold; at
    // least one, also when the request fits under the threshold.
    int32_t k = 1;
    if (average > 0 && n + allocated > threshold) {
        const uint64_t wanted = (n + allocated - threshold) / average;
        k = static_cast<int32_t>(std::clamp<uint64_t>(wanted, 1, std::numeric_limits<int32_t>::max()));
    }
    int32_t deleted = QnObj::CollectGarbage(QnObj::DF_FIX_PROTECTED, k);
    for (int attempt = 0; attempt < 4 && deleted > 0 && MemoryShortFor(n); ++attempt)
        deleted = QnObj::CollectGarbage(QnObj::DF_FIX_PROTECTED, k);
    if (deleted > 0 && !MemoryShortFor(n))
        return;
    QnObj::CollectGarbage(QnObj::DF_FIX_PROTECTED, -1);
}
