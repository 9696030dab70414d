#include "base/QnMemPool.h"

#include "base/QnFatalExit.h"

namespace {
constexpr size_t kAlign = 16;
constexpr size_t kChunkHeader = (sizeof(void*) * 2 + kAlign - 1) / kAlign * kAlign;
constexpr size_t kMaxChunkBlocks = 4096;

size_t RoundedBlockSize(size_t size)
{
    if (size < sizeof(void*))
        size = sizeof(void*);
    return (size + kAlign - 1) / kAlign * kAlign;
}
} // namespace

QnMemPool::QnMemPool(size_t blockSize, QnMemAlloc* allocator)
    : blockSize_(RoundedBlockSize(blockSize)), allocator_(allocator)
{
}

QnMemPool::~QnMemPool()
{
    while (chunks_) {
        Chunk* next = chunks_->next;
        QnOperatorDelete(chunks_);
        chunks_ = next;
    }
}

QnMemPool& QnMemPool::Lasting(size_t blockSize) { return *new QnMemPool(blockSize); }

void* QnMemPool::alloc()
{
    std::lock_guard lock(mutex_);
    if (!free_ && !GrowLocked())
        return nullptr;
    FreeBlock* block = free_;
    free_ = block->next;
    ++inUse_;
    return block;
}

void QnMemPool::free(void* p)
{
    if (!p)
        return;
    std::lock_guard lock(mutex_);
    auto* block = static_cast<FreeBlock*>(p);
    block->next = free_;
    free_ = block;
    --inUse_;
}

int QnMemPool::grow()
{
    std::lock_guard lock(mutex_);
    return GrowLocked();
}

int QnMemPool::GrowLocked()
{
    const size_t blocks = nextChunkBlocks_;
    void* memory = QnOperatorNew(kChunkHeader + blocks * blockSize_, allocator_);
    if (!memory)
        return 0;
    auto* chunk = static_cast<Chunk*>(memory);
    chunk->next = chunks_;
    chunk->blocks = blocks;
    chunks_ = chunk;
    char* first = static_cast<char*>(memory) + kChunkHeader;
    // Link the new blocks so that the lowest address is handed out first.
    for (size_t i = blocks; i-- > 0;) {
        auto* block = reinterpret_cast<FreeBlock*>(first + i * blockSize_);
        block->next = free_;
        free_ = block;
    }
    capacity_ += blocks;
    if (nextChunkBlocks_ < kMaxChunkBlocks)
        nextChunkBlocks_ *= 2;
    return 1;
}

void QnMemPool::fatal_error() { QnFatalExit("QnMemPool", __LINE__); }

size_t QnMemPool::BlocksInUse() const
{
    std::lock_guard lock(mutex_);
    return inUse_;
}

size_t QnMemPool::Capacity() const
{
    std::lock_guard lock(mutex_);
    return capacity_;
}
