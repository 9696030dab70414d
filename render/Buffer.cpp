#include "render/Buffer.h"

#include "base/QnMemAlloc.h"
#include "base/QnMemPool.h"
#include "gc/QnStdAlloc.h"

#include <cstring>

namespace {

// Stores are small and made with every pixel buffer; they come from a pool
// of their own that lives as long as the process.
QnMemPool& DataPool()
{
    static QnMemPool& pool = QnMemPool::Lasting(sizeof(void*) * 2);
    return pool;
}

uint8_t* NewBytes(uint32_t size)
{
    void* p = QnOperatorNew(size, &QnStdAlloc::stdalloc);
    if (!p)
        qn_standard_new_handler(0);
    return static_cast<uint8_t*>(p);
}

} // namespace

QnBuffer::QnBuffer(const QnBuffer& other) noexcept : size_(other.size_), data_(other.data_)
{
    if (data_)
        data_->refs.fetch_add(1, std::memory_order_relaxed);
}

QnBuffer& QnBuffer::operator=(const QnBuffer& other) noexcept
{
    if (data_ != other.data_) {
        if (other.data_)
            other.data_->refs.fetch_add(1, std::memory_order_relaxed);
        release();
        data_ = other.data_;
    }
    size_ = other.size_;
    return *this;
}

QnBuffer::~QnBuffer() { release(); }

uint8_t* QnBuffer::BufPtr()
{
    if (!data_)
        allocate();
    else if (data_->refs.load(std::memory_order_acquire) > 1)
        duplicate();
    return data_->bytes;
}

const uint8_t* QnBuffer::CBufPtr() const
{
    if (!data_)
        allocate();
    return data_->bytes;
}

bool QnBuffer::IsShared() const { return data_ && data_->refs.load(std::memory_order_acquire) > 1; }

void QnBuffer::allocate() const
{
    static_assert(sizeof(Data) <= sizeof(void*) * 2);
    uint8_t* bytes = NewBytes(size_);
    void* block = DataPool().alloc();
    if (!block) {
        QnOperatorDelete(bytes);
        qn_standard_new_handler(0);
    }
    data_ = new (block) Data{{1}, bytes};
}

void QnBuffer::duplicate()
{
    Data* old = data_;
    data_ = nullptr;
    try {
        allocate();
    } catch (...) {
        data_ = old;
        throw;
    }
    std::memcpy(data_->bytes, old->bytes, size_);
    // Put the old store back so that release() drops our share of it.
    std::swap(old, data_);
    release();
    data_ = old;
}

void QnBuffer::release() noexcept
{
    if (!data_)
        return;
    if (data_->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        QnOperatorDelete(data_->bytes);
        data_->~Data();
        DataPool().free(data_);
    }
    data_ = nullptr;
}
