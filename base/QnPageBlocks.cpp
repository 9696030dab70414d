#include "base/QnPageBlocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <mutex>
#include <new>

namespace {

constexpr size_t kChunk = size_t(2) << 20;
constexpr size_t kMin = 4096, kMax = 65536, kGrain = 64;
constexpr size_t kClasses = (kMax - kMin) / kGrain + 1;

struct FreeBlock {
    FreeBlock* next;
};

// Sits at the start of its chunk, so a block finds it by rounding down.
struct alignas(64) Chunk {
    Chunk* prev;
    Chunk* next;     // in the class's list of chunks with room
    FreeBlock* free; // blocks given back
    char* bump;      // first block never handed out
    size_t live;
    size_t bytes; // block size of the chunk's class
    bool listed;

    char* Start() { return reinterpret_cast<char*>(this) + sizeof(Chunk); }
    char* End() { return reinterpret_cast<char*>(this) + kChunk; }
    bool Full() { return !free && size_t(End() - bump) < bytes; }
};

struct State {
    std::mutex lock;
    Chunk* withRoom[kClasses] = {};
    size_t chunks = 0;

    void Link(Chunk* c, size_t cls)
    {
        c->prev = nullptr;
        c->next = withRoom[cls];
        if (c->next)
            c->next->prev = c;
        withRoom[cls] = c;
        c->listed = true;
    }
    void Unlink(Chunk* c, size_t cls)
    {
        (c->prev ? c->prev->next : withRoom[cls]) = c->next;
        if (c->next)
            c->next->prev = c->prev;
        c->prev = c->next = nullptr;
        c->listed = false;
    }
};

State& TheState()
{
    static State* state = new State; // never destroyed: blocks may outlive static destructors
    return *state;
}

size_t ClassOf(size_t size) { return (size - kMin + kGrain - 1) / kGrain; }

// A 2 MB aligned chunk: twice the size is mapped and the ends trimmed.
Chunk* MapChunk(size_t bytes)
{
    void* raw = mmap(nullptr, 2 * kChunk, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const uintptr_t begin = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (begin + kChunk - 1) & ~(kChunk - 1);
    if (aligned > begin)
        munmap(raw, aligned - begin);
    if (begin + 2 * kChunk > aligned + kChunk)
        munmap(reinterpret_cast<void*>(aligned + kChunk), begin + 2 * kChunk - (aligned + kChunk));
    void* at = reinterpret_cast<void*>(aligned);
    madvise(at, kChunk, MADV_HUGEPAGE); // a hint: without huge pages the chunk still works
    auto* c = new (at) Chunk{};
    c->bump = c->Start();
    c->bytes = bytes;
    return c;
}

} // namespace

bool QnPageBlockSize(size_t size)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // The sanitizers watch malloc's blocks; blocks carved here would hide
    // overruns from one tile into the next.
    (void)size;
    return false;
#else
    return size >= kMin && size <= kMax;
#endif
}

void* QnPageBlockAlloc(size_t size)
{
    const size_t cls = ClassOf(size);
    State& s = TheState();
    std::lock_guard<std::mutex> guard(s.lock);
    Chunk* c = s.withRoom[cls];
    if (!c) {
        c = MapChunk(kMin + cls * kGrain);
        if (!c)
            return nullptr;
        ++s.chunks;
        s.Link(c, cls);
    }
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
        s.Unlink(c, cls);
    return block;
}

void QnPageBlockFree(void* block, size_t size)
{
    if (!block)
        return;
    const size_t cls = ClassOf(size);
    auto* c = reinterpret_cast<Chunk*>(reinterpret_cast<uintptr_t>(block) & ~(kChunk - 1));
    State& s = TheState();
    std::lock_guard<std::mutex> guard(s.lock);
    auto* f = static_cast<FreeBlock*>(block);
    f->next = c->free;
    c->free = f;
    --c->live;
    if (c->live == 0) {
        // Keep one empty chunk per class, so that a size that comes and goes
        // does not map and unmap 2 MB each time; start it afresh.
        const bool another = s.withRoom[cls] && (s.withRoom[cls] != c || c->next);
        if (another) {
            if (c->listed)
                s.Unlink(c, cls);
            munmap(c, kChunk);
            --s.chunks;
            return;
        }
        c->free = nullptr;
        c->bump = c->Start();
    }
    if (!c->listed)
        s.Link(c, cls);
}

size_t QnPageBlockChunks()
{
    State& s = TheState();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.chunks;
}
