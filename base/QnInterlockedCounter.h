// A counter changed by interlocked (atomic) increments and decrements.
#pragma once

#include <atomic>
#include <cstdint>

class QnInterlockedCounter {
public:
    explicit QnInterlockedCounter(int32_t value = 0) : value_(value) {}
    // Both return the new value.
    int32_t operator++() { return value_.fetch_add(1, std::memory_order_acq_rel) + 1; }
    int32_t operator--() { return value_.fetch_sub(1, std::memory_order_acq_rel) - 1; }
    operator int32_t() const { return value_.load(std::memory_order_acquire); }

private:
    std::atomic<int32_t> value_;
};
