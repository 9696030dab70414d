// Blocks of a range of sizes carved from aligned chunks, each chunk holding
// blocks of one size class only. A block finds its chunk by rounding its
// address down. When its last block is freed a chunk waits for blocks of any
// class while fewer than the source's reserve of empty chunks wait: a heap
// that a collection empties and that fills again, or a picture freed and
// another made, reuses the memory it touched without a page fault or a trip
// to the system for each chunk. Beyond the reserve it goes back to where it
// came from (one empty chunk per class stays, so that a size that comes and
// goes does not fetch and return a chunk each time).
#pragma once

#include <atomic>
#include <cstddef>

// Under the sanitizers no size is served: they watch malloc's blocks, and
// blocks carved here would hide a use after free or an overrun into a
// neighbour from them.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kQnBlockChunksOn = false;
#else
constexpr bool kQnBlockChunksOn = true;
#endif

class QnBlockChunks {
public:
    struct Source {
        // A chunkBytes block aligned to chunkBytes, or null.
        void* (*map)(size_t chunkBytes);
        void (*unmap)(void* chunk, size_t chunkBytes);
        // How many empty chunks at most wait for reuse instead of going back.
        size_t keepEmpty;
    };

    // Sizes from minSize to maxSize in steps of grain (both multiples of
    // 16); chunkBytes a power of two.
    QnBlockChunks(size_t chunkBytes, size_t minSize, size_t maxSize, size_t grain, Source source);
    QnBlockChunks(const QnBlockChunks&) = delete;
    QnBlockChunks& operator=(const QnBlockChunks&) = delete;

    // A 16-byte aligned block of size bytes (from minSize to maxSize), or
    // null when no chunk can be had.
    void* Alloc(size_t size);
    // Returns a block of Alloc; size must be the size it was asked with.
    void Free(void* block, size_t size);
    // Chunks currently held, kept empty ones included.
    size_t Chunks();

private:
    struct Chunk;
    struct FreeBlock;

    // Blocks are asked for and returned often and held for a few
    // instructions: a spin costs less than a mutex.
    class Guard {
    public:
        explicit Guard(std::atomic<bool>& busy);
        ~Guard() { busy_.store(false, std::memory_order_release); }

    private:
        std::atomic<bool>& busy_;
    };

    size_t ClassOf(size_t size) const { return (size - minSize_ + grain_ - 1) / grain_; }
    Chunk* NewChunk(size_t cls);
    void Link(Chunk* c, size_t cls);
    void Unlink(Chunk* c, size_t cls);

    const size_t chunkBytes_, minSize_, maxSize_, grain_;
    const Source source_;
    std::atomic<bool> busy_{false};
    Chunk** withRoom_; // per class: chunks with a free block
    Chunk* empty_ = nullptr; // kept empty chunks, linked through next
    size_t emptyCount_ = 0;
    size_t chunks_ = 0;
};
