// Pixel buffers: one rectangle of one plane over a byte store. Several
// pixel buffers may share one Buffer (a write through one is seen by all) or
// hold different Buffers over one store (copy on write: a write unshares
// first). A view is a pixel buffer over part of another's rows.
#pragma once

#include "render/Buffer.h"
#include "render/Rect.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

class QnPixBuf {
public:
    // A store with a reference count of its own: the pixel buffers that
    // share one Buffer share its writes.
    class Buffer : public QnBuffer {
    public:
        explicit Buffer(uint32_t size) : QnBuffer(size) {}
        // Over the other's store, copy on write.
        explicit Buffer(const QnBuffer& store) : QnBuffer(store) {}

        void attach() { refs_.fetch_add(1, std::memory_order_relaxed); }
        // Drops one reference and destroys the Buffer at zero.
        void release();

        static void* operator new(size_t size);
        static void operator delete(void* p) noexcept;

    private:
        ~Buffer() = default;
        std::atomic<int32_t> refs_{1};
    };

    // A new store of size bytes whose row 0 starts at byte 0.
    QnPixBuf(uint32_t size, const QnRect& rect, int32_t stride);
    // The same rows as other; copy nonzero: over other's store, copy on
    // write; copy 0: sharing other's Buffer.
    QnPixBuf(const QnPixBuf& other, int copy);
    // A view of part of other: rect, starting rows rows and bytes bytes
    // further into other's store, with other's stride.
    QnPixBuf(const QnPixBuf& other, const QnRect& rect, int32_t rows, int32_t bytes, int copy);
    QnPixBuf(const QnPixBuf&) = delete;
    QnPixBuf& operator=(const QnPixBuf&) = delete;

    const QnRect& GetRect() const { return rect_; }
    int32_t GetRowBytes() const { return stride_; }
    // Row i counted from the top of the buffer's own rectangle. Row unshares
    // the store first, as a write must; CRow never copies.
    uint8_t* Row(int32_t i) { return buffer_->BufPtr() + RowOffset(i); }
    const uint8_t* CRow(int32_t i) const { return buffer_->CBufPtr() + RowOffset(i); }
    // True when every row of the rectangle, bytesPerPixel bytes a pixel,
    // lies inside the store: callers check pieces that other objects hand
    // them before reading them.
    bool Holds(int32_t bytesPerPixel) const;
    // True when the store is shared with another Buffer (a write will copy).
    bool IsStoreShared() const { return buffer_->IsShared(); }

    void attach() { refs_.fetch_add(1, std::memory_order_relaxed); }
    void release();

    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

private:
    ~QnPixBuf() { buffer_->release(); }
    ptrdiff_t RowOffset(int32_t i) const
    {
        return ptrdiff_t(byteOffset_) + (ptrdiff_t(i) + firstRow_) * ptrdiff_t(stride_);
    }
    static Buffer* BufferFor(const QnPixBuf& other, int copy);

    Buffer* buffer_;
    QnRect rect_;
    int32_t stride_;
    int32_t firstRow_ = 0;   // rows of the store before row 0
    int32_t byteOffset_ = 0; // bytes of a row before its first pixel
    std::atomic<int32_t> refs_{1};
};

// The counted handle of a pixel buffer.
class PpQnPixBuf {
public:
    // An empty buffer of its own: a 1-byte store, all-zero rectangle, stride 1.
    PpQnPixBuf();
    PpQnPixBuf(std::nullptr_t) noexcept {}
    PpQnPixBuf(uint32_t size, const QnRect& rect, int32_t stride);
    PpQnPixBuf(const PpQnPixBuf& other, int copy);
    PpQnPixBuf(const PpQnPixBuf& other, const QnRect& rect, int32_t rows, int32_t bytes, int copy);
    PpQnPixBuf(const PpQnPixBuf& other) noexcept;
    PpQnPixBuf(PpQnPixBuf&& other) noexcept;
    PpQnPixBuf& operator=(const PpQnPixBuf& other) noexcept;
    PpQnPixBuf& operator=(PpQnPixBuf&& other) noexcept;
    ~PpQnPixBuf();

    // A new buffer over rect, bytesPerPixel bytes a pixel, rows packed. A
    // rectangle whose bytes do not fit the 32-bit store size goes to the new
    // handler instead of wrapping.
    static PpQnPixBuf ForRect(const QnRect& rect, int32_t bytesPerPixel);

    QnPixBuf* operator->() const { return p_; }
    QnPixBuf& operator*() const { return *p_; }
    QnPixBuf* Get() const { return p_; }
    operator int() const { return p_ != nullptr; }

private:
    QnPixBuf* p_ = nullptr;
};
