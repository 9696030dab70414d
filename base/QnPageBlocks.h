// Blocks of a few pages (picture tiles, blitter buffers) served from 2 MB
// chunks that the kernel may back with huge pages. A picture of tens of
// megabytes otherwise touches its memory one 4 KB page at a time, and on a
// virtual machine each first touch is a costly fault; a huge page takes one
// fault for 512 of them. Each chunk holds blocks of one size class only.
// When its last block is freed a chunk waits for reuse while the empty ones
// waiting hold less than the reserve, and goes back to the system beyond it:
// an edit that frees one picture and makes another of the same size, or a
// preview made again, then touches no new memory.
#pragma once

#include <cstddef>

// The most memory that emptied chunks keep for reuse.
constexpr size_t kQnPageBlockReserve = size_t(64) << 20;

// Whether blocks of size bytes come from the chunks (others belong to malloc).
bool QnPageBlockSize(size_t size);
// A 16-byte aligned block of size bytes (QnPageBlockSize(size) must hold), or
// null when the system has no memory left.
void* QnPageBlockAlloc(size_t size);
// Returns a block of QnPageBlockAlloc; size must be the size it was asked with.
void QnPageBlockFree(void* block, size_t size);
// Chunks currently mapped (for tests and statistics).
size_t QnPageBlockChunks();
