#include "render/PixBuf.h"

#include "base/QnMemAlloc.h"
#include "base/QnMemPool.h"

#include <limits>
#include <utility>

namespace {

QnMemPool& PixBufPool()
{
    static QnMemPool& pool = QnMemPool::Lasting(sizeof(QnPixBuf));
    return pool;
}

QnMemPool& BufferPool()
{
    static QnMemPool& pool = QnMemPool::Lasting(sizeof(QnPixBuf::Buffer));
    return pool;
}

void* PoolAlloc(QnMemPool& pool)
{
    void* p = pool.alloc();
    if (!p)
        qn_standard_new_handler(0);
    return p;
}

} // namespace

void* QnPixBuf::Buffer::operator new(size_t) { return PoolAlloc(BufferPool()); }
void QnPixBuf::Buffer::operator delete(void* p) noexcept { BufferPool().free(p); }

void QnPixBuf::Buffer::release()
{
    if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete this;
}

void* QnPixBuf::operator new(size_t) { return PoolAlloc(PixBufPool()); }
void QnPixBuf::operator delete(void* p) noexcept { PixBufPool().free(p); }

QnPixBuf::Buffer* QnPixBuf::BufferFor(const QnPixBuf& other, int copy)
{
    if (copy)
        return new Buffer(static_cast<const QnBuffer&>(*other.buffer_));
    other.buffer_->attach();
    return other.buffer_;
}

QnPixBuf::QnPixBuf(uint32_t size, const QnRect& rect, int32_t stride)
    : buffer_(new Buffer(size)), rect_(rect), stride_(stride)
{
}

QnPixBuf::QnPixBuf(const QnPixBuf& other, int copy)
    : buffer_(BufferFor(other, copy)), rect_(other.rect_), stride_(other.stride_),
      firstRow_(other.firstRow_), byteOffset_(other.byteOffset_)
{
}

QnPixBuf::QnPixBuf(const QnPixBuf& other, const QnRect& rect, int32_t rows, int32_t bytes, int copy)
    : buffer_(BufferFor(other, copy)), rect_(rect), stride_(other.stride_),
      firstRow_(other.firstRow_ + rows), byteOffset_(other.byteOffset_ + bytes)
{
}

void QnPixBuf::release()
{
    if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete this;
}

bool QnPixBuf::Holds(int32_t bytesPerPixel) const
{
    if (rect_.IsEmpty())
        return true;
    const int64_t rowBytes = rect_.Width() * bytesPerPixel;
    if (bytesPerPixel < 0 || byteOffset_ < 0 || firstRow_ < 0 || stride_ < rowBytes)
        return false;
    const int64_t last = int64_t(byteOffset_) + (int64_t(firstRow_) + rect_.Height() - 1) * stride_ + rowBytes;
    return last <= int64_t(buffer_->Size());
}

PpQnPixBuf::PpQnPixBuf() : p_(new QnPixBuf(1, QnRect{}, 1)) {}

PpQnPixBuf::PpQnPixBuf(uint32_t size, const QnRect& rect, int32_t stride) : p_(new QnPixBuf(size, rect, stride)) {}

PpQnPixBuf::PpQnPixBuf(const PpQnPixBuf& other, int copy) : p_(new QnPixBuf(*other.p_, copy)) {}

PpQnPixBuf::PpQnPixBuf(const PpQnPixBuf& other, const QnRect& rect, int32_t rows, int32_t bytes, int copy)
    : p_(new QnPixBuf(*other.p_, rect, rows, bytes, copy))
{
}

PpQnPixBuf::PpQnPixBuf(const PpQnPixBuf& other) noexcept : p_(other.p_)
{
    if (p_)
        p_->attach();
}

PpQnPixBuf::PpQnPixBuf(PpQnPixBuf&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}

PpQnPixBuf& PpQnPixBuf::operator=(const PpQnPixBuf& other) noexcept
{
    if (other.p_)
        other.p_->attach();
    if (p_)
        p_->release();
    p_ = other.p_;
    return *this;
}

PpQnPixBuf& PpQnPixBuf::operator=(PpQnPixBuf&& other) noexcept
{
    if (this != &other) {
        if (p_)
            p_->release();
        p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
}

PpQnPixBuf::~PpQnPixBuf()
{
    if (p_)
        p_->release();
}

PpQnPixBuf PpQnPixBuf::ForRect(const QnRect& rect, int32_t bytesPerPixel)
{
    const int64_t stride = rect.IsEmpty() ? 0 : rect.Width() * bytesPerPixel;
    const int64_t size = rect.IsEmpty() ? 0 : stride * rect.Height();
    if (bytesPerPixel < 0 || stride > std::numeric_limits<int32_t>::max()
        || size > std::numeric_limits<uint32_t>::max())
        qn_standard_new_handler(0);
    return PpQnPixBuf(uint32_t(size), rect, int32_t(stride));
}
