#include "base/QnMemAlloc.h"

#include "base/QnExcept.h"

#include <cstdlib>

void* QnAlloc(size_t size) { return std::malloc(size ? size : 1); }

void QnFree(void* p) { std::free(p); }

void* QnOperatorNew(size_t size, QnMemAlloc* allocator)
{
    const size_t total = size + QnBlockHeaderSize;
    if (total < size)
        return nullptr;
    // The header is filled in here, so an allocator's free can read the
    // size it accounted in alloc; plain memory has no allocator.
    void* block = allocator ? allocator->alloc(total) : QnAlloc(total);
    if (!block)
        return nullptr;
    auto* header = static_cast<QnBlockHeader*>(block);
    header->allocator = allocator;
    header->size = total;
    return static_cast<char*>(block) + QnBlockHeaderSize;
}

void QnOperatorDelete(void* p)
{
    if (!p)
        return;
    void* block = static_cast<char*>(p) - QnBlockHeaderSize;
    QnMemAlloc* allocator = static_cast<QnBlockHeader*>(block)->allocator;
    if (allocator)
        allocator->free(block);
    else
        QnFree(block);
}

void qn_standard_new_handler(size_t)
{
    QnExcept e("Out of memory", "QnMemAlloc", __LINE__);
    e.raise();
}
