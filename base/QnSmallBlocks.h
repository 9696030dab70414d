// Blocks of small objects made and freed by the hundred thousand (the nodes
// of the expression graph, values, handles' targets) served from 64 KB
// chunks, one size class each, in steps of 16 bytes. malloc spends most of
// its time on such a heap sorting the blocks that a collection freed; here
// a freed block is simply handed out again. Chunks come from malloc; an
// emptied chunk is kept for blocks of any size, as malloc keeps its heap.
#pragma once

#include "base/QnBlockChunks.h"

#include <cstddef>

constexpr size_t kQnSmallBlockMin = 16, kQnSmallBlockMax = 512;

// Whether blocks of size bytes come from the chunks (others belong to
// malloc). Inline: asked for every collectable object made and freed.
inline bool QnSmallBlockSize(size_t size)
{
    return kQnBlockChunksOn && size >= kQnSmallBlockMin && size <= kQnSmallBlockMax;
}
// A 16-byte aligned block of size bytes (QnSmallBlockSize(size) must hold),
// or null when the system has no memory left.
void* QnSmallBlockAlloc(size_t size);
// Returns a block of QnSmallBlockAlloc; size must be the size it was asked with.
void QnSmallBlockFree(void* block, size_t size);
// Chunks currently held (for tests and statistics).
size_t QnSmallBlockChunks();
