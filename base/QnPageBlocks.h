// Blocks of a few pages (picture tiles, blitter buffers) served from 2 MB
// chunks that the kernel may back with huge pages. A picture of tens of
// megabytes otherwise touches its memory one 4 KB page at a time, and on a
// virtual machine each first touch is a costly fault; a huge page takes one
// fault for 512 of them. Each chunk holds blocks of one size class only and
// goes back to the system when its last block is freed.
#pragma once

#include <cstddef>

// Whether blocks of size bytes come from the chunks (others belong to malloc).
bool QnPageBlockSize(size_t size);
// A 16-byte aligned block of size bytes (QnPageBlockSize(size) must hold), or
// null when the system has no memory left.
void* QnPageBlockAlloc(size_t size);
// Returns a block of QnPageBlockAlloc; size must be the size it was asked with.
void QnPageBlockFree(void* block, size_t size);
// Chunks currently mapped (for tests and statistics).
size_t QnPageBlockChunks();
