#include "base/QnPageBlocks.h"

#include "base/QnBlockChunks.h"

#include <sys/mman.h>

#include <cstdint>

namespace {

constexpr size_t kChunk = size_t(2) << 20;
constexpr size_t kMin = 4096, kMax = 65536, kGrain = 64;
static_assert(kQnPageBlockReserve % kChunk == 0);

// A 2 MB aligned chunk: twice the size is mapped and the ends trimmed.
void* MapChunk(size_t bytes)
{
    void* raw = mmap(nullptr, 2 * bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const uintptr_t begin = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (begin + bytes - 1) & ~(bytes - 1);
    if (aligned > begin)
        munmap(raw, aligned - begin);
    if (begin + 2 * bytes > aligned + bytes)
        munmap(reinterpret_cast<void*>(aligned + bytes), begin + 2 * bytes - (aligned + bytes));
    void* at = reinterpret_cast<void*>(aligned);
    madvise(at, bytes, MADV_HUGEPAGE); // a hint: without huge pages the chunk still works
    return at;
}

void UnmapChunk(void* chunk, size_t bytes) { munmap(chunk, bytes); }

QnBlockChunks& Blocks()
{
    // Never destroyed: blocks may outlive static destructors.
    static auto* blocks = new QnBlockChunks(kChunk, kMin, kMax, kGrain, {MapChunk, UnmapChunk, kQnPageBlockReserve / kChunk});
    return *blocks;
}

} // namespace

bool QnPageBlockSize(size_t size) { return kQnBlockChunksOn && size >= kMin && size <= kMax; }

void* QnPageBlockAlloc(size_t size) { return Blocks().Alloc(size); }

void QnPageBlockFree(void* block, size_t size) { Blocks().Free(block, size); }

size_t QnPageBlockChunks() { return Blocks().Chunks(); }
