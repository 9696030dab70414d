#include "base/QnSmallBlocks.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr size_t kChunk = size_t(64) << 10;
constexpr size_t kGrain = 16;

void* MapChunk(size_t bytes) { return std::aligned_alloc(bytes, bytes); }

void UnmapChunk(void* chunk, size_t) { std::free(chunk); }

QnBlockChunks& Blocks()
{
    // Never destroyed: blocks may outlive static destructors.
    static auto* blocks =
        new QnBlockChunks(kChunk, kQnSmallBlockMin, kQnSmallBlockMax, kGrain, {MapChunk, UnmapChunk, SIZE_MAX});
    return *blocks;
}

} // namespace

void* QnSmallBlockAlloc(size_t size) { return Blocks().Alloc(size); }

void QnSmallBlockFree(void* block, size_t size) { Blocks().Free(block, size); }

size_t QnSmallBlockChunks() { return Blocks().Chunks(); }
