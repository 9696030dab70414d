// Allocators and the operator-new protocol of the libraries: a block obtained
// through QnOperatorNew remembers the allocator it came from, so that
// QnOperatorDelete returns it there without being told.
#pragma once

#include <cstddef>
#include <cstdint>

class QnMemAlloc {
public:
    virtual ~QnMemAlloc() = default;
    // A block of at least size bytes, 16-byte aligned, or null.
    virtual void* alloc(size_t size) = 0;
    virtual void free(void* p) = 0;
};

// Every block handed out by QnOperatorNew is preceded by this header; the
// address handed out stays 16-byte aligned. An allocator receives the whole
// block (header included) in alloc and free, and may read its total size with
// QnBlockSize.
struct QnBlockHeader {
    QnMemAlloc* allocator;
    uint64_t size; // total bytes of the block, header included
};
static_assert(sizeof(QnBlockHeader) == 16);
constexpr size_t QnBlockHeaderSize = sizeof(QnBlockHeader);

// A block of size bytes from allocator (plain memory when null), or null.
void* QnOperatorNew(size_t size, QnMemAlloc* allocator);
// Returns a block of QnOperatorNew to its allocator; null does nothing.
void QnOperatorDelete(void* p);
// Total size (header included) of a block that an allocator received from
// QnOperatorNew, given the address the allocator handed out.
inline uint64_t QnBlockSize(const void* block) { return static_cast<const QnBlockHeader*>(block)->size; }

// Called with 0 when an allocation gave null; raises and does not return.
[[noreturn]] void qn_standard_new_handler(size_t);

// Raw blocks (16-byte aligned) or null.
void* QnAlloc(size_t size);
void QnFree(void* p);
