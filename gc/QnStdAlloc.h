// The collecting allocator: the memory of every collectable object of every
// library. Its running total against a moving threshold, and the machine's
// free physical memory, decide when it starts a collection.
#pragma once

#include "base/QnMemAlloc.h"

#include <atomic>
#include <cstdint>

class QnStdAlloc : public QnMemAlloc {
public:
    // The allocator of collectable objects; QnObj::operator new uses it.
    static QnStdAlloc stdalloc;
    static constexpr uint64_t kInitialThreshold = 0x10000;
    // The collections that the threshold starts keep the caches while they
    // hold no more objects than the live data, or than this many. Small
    // enough that a computation with little live data (a deep recursion
    // on numbers) works in a heap that stays in the processor's caches.
    static constexpr int32_t kMinCachedObjects = 1 << 13;

    explicit QnStdAlloc(uint64_t threshold);
    ~QnStdAlloc() override;
    QnStdAlloc(const QnStdAlloc&) = delete;
    QnStdAlloc& operator=(const QnStdAlloc&) = delete;

    // Bytes of the blocks handed out and not freed, headers included.
    uint64_t Allocated() const { return allocated_.load(std::memory_order_relaxed); }
    uint64_t Threshold() const { return threshold_.load(std::memory_order_relaxed); }

protected:
    // Reached through QnOperatorNew and QnOperatorDelete, which pass the whole
    // block with its QnBlockHeader: size and the block's recorded size are
    // what the totals count.
    void* alloc(size_t size) override;
    void free(void* block) override;

private:
    void MakeRoomFor(uint64_t n);
    void RelieveMemoryPressure(uint64_t n);
    void Account(uint64_t n);

    std::atomic<uint64_t> allocated_{0};
    std::atomic<uint64_t> threshold_;
};
