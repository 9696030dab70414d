#include "base/QnBlockChunks.h"

#include <cstdint>
#include <new>
#include <thread>

struct QnBlockChunks::FreeBlock {
    FreeBlock* next;
};

// Sits at the start of its chunk, so a block finds it by rounding down.
struct alignas(64) QnBlockChunks::Chunk {
    Chunk* prev;
    Chunk* next;     // in the class's list of chunks with room
    FreeBlock* free; // blocks given back
    char* bump;      // first block never handed out
    char* end;
    size_t live;
    size_t bytes; // block size of the chunk's class
    bool listed;

    char* Start() { return reinterpret_cast<char*>(this) + sizeof(Chunk); }
    bool Full() { return !free && size_t(end - bump) < bytes; }
};

QnBlockChunks::Guard::Guard(std::atomic<bool>& busy) : busy_(busy)
{
    while (busy_.exchange(true, std::memory_order_acquire)) {
        while (busy_.load(std::memory_order_relaxed))
            std::this_thread::yield();
    }
}

QnBlockChunks::QnBlockChunks(size_t chunkBytes, size_t minSize, size_t maxSize, size_t grain, Source source)
    : chunkBytes_(chunkBytes), minSize_(minSize), maxSize_(maxSize), grain_(grain), source_(source),
      withRoom_(new Chunk*[(maxSize - minSize) / grain + 1]())
{
}

void QnBlockChunks::Link(Chunk* c, size_t cls)
{
    c->prev = nullptr;
    c->next = withRoom_[cls];
    if (c->next)
        c->next->prev = c;
    withRoom_[cls] = c;
    c->listed = true;
}

void QnBlockChunks::Unlink(Chunk* c, size_t cls)
{
    (c->prev ? c->prev->next : withRoom_[cls]) = c->next;
    if (c->next)
        c->next->prev = c->prev;
    c->prev = c->next = nullptr;
    c->listed = false;
}

QnBlockChunks::Chunk* QnBlockChunks::NewChunk(size_t cls)
{
    void* at = empty_;
    if (at) {
        empty_ = empty_->next;
        --emptyCount_;
    } else {
        if (!(at = source_.map(chunkBytes_)))
            return nullptr;
        ++chunks_;
    }
    auto* c = new (at) Chunk{};
    c->bump = c->Start();
    c->end = static_cast<char*>(at) + chunkBytes_;
    c->bytes = minSize_ + cls * grain_;
    Link(c, cls);
    return c;
}

void* QnBlockChunks::Alloc(size_t size)
{
    const size_t cls = ClassOf(size);
    Guard guard(busy_);
    Chunk* c = withRoom_[cls];
    if (!c && !(c = NewChunk(cls)))
        return nullptr;
    void* block;
    if (c->free) {
        block = c->free;
        c->free = c->free->next;
    } else {
        block = c->bump;
        c->bump += c->bytes;
    }
    ++c->live;
    if (c->Full())
        Unlink(c, cls);
    return block;
}

void QnBlockChunks::Free(void* block, size_t size)
{
    if (!block)
        return;
    const size_t cls = ClassOf(size);
    auto* c = reinterpret_cast<Chunk*>(reinterpret_cast<uintptr_t>(block) & ~(chunkBytes_ - 1));
    Guard guard(busy_);
    auto* f = static_cast<FreeBlock*>(block);
    f->next = c->free;
    c->free = f;
    --c->live;
    if (c->live == 0 && emptyCount_ < source_.keepEmpty) {
        if (c->listed)
            Unlink(c, cls);
        c->next = empty_;
        empty_ = c;
        ++emptyCount_;
        return;
    }
    if (c->live == 0) {
        const bool another = withRoom_[cls] && (withRoom_[cls] != c || c->next);
        if (another) {
            if (c->listed)
                Unlink(c, cls);
            source_.unmap(c, chunkBytes_);
            --chunks_;
            return;
        }
        // The one empty chunk of its class starts afresh.
        c->free = nullptr;
        c->bump = c->Start();
    }
    if (!c->listed)
        Link(c, cls);
}

size_t QnBlockChunks::Chunks()
{
    Guard guard(busy_);
    return chunks_;
}
