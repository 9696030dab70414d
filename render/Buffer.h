// A byte store with copy-on-write sharing: copies of a QnBuffer share one
// store until one of them asks for a writable pointer. The bytes come from
// the collecting allocator, so pixel memory counts towards the collector's
// threshold, and are allocated only when first asked for.
#pragma once

#include <atomic>
#include <cstdint>

class QnBuffer {
public:
    explicit QnBuffer(uint32_t size = 0) noexcept : size_(size) {}
    // Shares the other's store (none yet: each allocates its own later).
    QnBuffer(const QnBuffer& other) noexcept;
    QnBuffer& operator=(const QnBuffer& other) noexcept;
    ~QnBuffer();

    uint32_t Size() const { return size_; }
    // Writable bytes: allocated when there is no store yet, and copied into
    // a store of their own first when the store is shared.
    uint8_t* BufPtr();
    // Read-only bytes: allocated when there is no store yet, never copied.
    const uint8_t* CBufPtr() const;
    // True when another QnBuffer holds the same store.
    bool IsShared() const;

private:
    // The shared store; its count changes by interlocked operations only.
    struct Data {
        std::atomic<int32_t> refs;
        uint8_t* bytes;
    };

    void allocate() const;
    void duplicate();
    void release() noexcept;

    uint32_t size_;
    mutable Data* data_ = nullptr;
};
