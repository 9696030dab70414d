/* The process-wide allocator of 'FOTO' handles and host memory blocks.
 *
 * Hosts and filter modules link the one shared library (libpihandles), so
 * a handle made on either side can be checked, copied, kept and freed by the
 * other. Every block carries a hidden size header and sits in a table of
 * live blocks: a validity check is exact, and freeing a block twice or
 * freeing something that is not a block is refused, never a crash. */
#ifndef FILTERS_SDK_PIHANDLES_H
#define FILTERS_SDK_PIHANDLES_H

#include "filters/sdk/PIFilter.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A handle whose zero-filled data block holds size bytes; null when size is
 * negative or memory runs out. */
Handle NewHostHandle(int32_t size);

/* 1 when h is a live handle with the 'FOTO' signature whose data pointer is
 * a live block of this allocator, else 0. */
int IsValidHostHandle(Handle h);

/* Frees the data block and the handle and answers 1; a handle that is not
 * valid is left alone and the answer is 0. */
int FreeHostHandle(Handle h);

/* A new handle holding a copy of h's data; null when h is not valid or
 * memory runs out. */
Handle DuplicateHandleBlock(Handle h);

/* Size of h's data block; 0 when h is not valid. */
int32_t GetHostHandleSize(Handle h);

/* Re-allocates h's data block to size bytes, keeping what fits and zero-
 * filling the rest: noErr, memWZErr when h is not a live handle, memFullErr
 * when its data block is not live, size is negative or memory runs out (h
 * then keeps its old block). */
OSErr SetHostHandleSize(Handle h, int32_t size);

/* h's data; null when h is not valid. */
void* LockHostHandle(Handle h);

/* Plain zero-filled blocks (the buffer suite of the hosts). */
void* NewHostBlock(int32_t size);
/* 1 when freed; 0 when p is not a live block (nothing is done). */
int FreeHostBlock(void* p);
/* Size of a live block; -1 when p is not one. */
int32_t GetHostBlockSize(const void* p);

/* Live handles and blocks, for leak checks. */
int32_t GetLiveHostHandleCount(void);
int32_t GetLiveHostBlockCount(void);

#ifdef __cplusplus
}
#endif

#endif /* FILTERS_SDK_PIHANDLES_H */
