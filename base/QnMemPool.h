// Fixed-size blocks for small objects made and freed often (pixel buffers,
// file handles, DIB headers). Blocks are carved from chunks that grow in size
// and are given back only when the pool is destroyed.
#pragma once

#include "base/QnMemAlloc.h"

#include <cstddef>
#include <mutex>

class QnMemPool {
public:
    // Blocks of blockSize bytes (rounded up to 16); chunks come from
    // allocator (plain memory when null).
    explicit QnMemPool(size_t blockSize, QnMemAlloc* allocator = nullptr);
    ~QnMemPool();
    // A pool of plain memory that is never destroyed, for a library's
    // objects that may outlive static destructors: collectable objects
    // stay on the collector's list when a program ends without a last
    // collection, and statics that revoke themselves at exit still unlink
    // them, so their blocks must not go back to the system first.
    static QnMemPool& Lasting(size_t blockSize);
    QnMemPool(const QnMemPool&) = delete;
    QnMemPool& operator=(const QnMemPool&) = delete;

    // A free block, growing the pool when none is left; null when it cannot grow.
    void* alloc();
    void free(void* p);
    // Adds a chunk of free blocks; nonzero when it did.
    int grow();
    [[noreturn]] void fatal_error();

    size_t BlockSize() const { return blockSize_; }
    size_t BlocksInUse() const;
    size_t Capacity() const;

private:
    struct FreeBlock { FreeBlock* next; };
    struct Chunk { Chunk* next; size_t blocks; };

    int GrowLocked();

    const size_t blockSize_;
    QnMemAlloc* const allocator_;
    mutable std::mutex mutex_;
    FreeBlock* free_ = nullptr;
    Chunk* chunks_ = nullptr;
    size_t nextChunkBlocks_ = 32;
    size_t capacity_ = 0;
    size_t inUse_ = 0;
};
