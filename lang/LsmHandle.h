// Byte access to a descriptor's storage: a stream that the descriptor opens
// and its user releases with qn_delete(). Positions and lengths are 64-bit,
// since a stored picture can pass 4 GiB.
#pragma once

#include <cstddef>
#include <cstdint>

class QnLsmHandle {
public:
    enum hp_from : int32_t { HP_BEGIN = 0, HP_CURRENT = 1, HP_END = 2 };

    // A new stream on the same storage, at the same position.
    virtual QnLsmHandle* Dup() = 0;
    // The number of bytes read (fewer than n at the end).
    virtual uint64_t Read(void* buf, uint64_t n) = 0;
    virtual void Write(const void* buf, uint64_t n) = 0;
    virtual void Flush() = 0;
    // The new position.
    virtual uint64_t Seek(int64_t offset, hp_from from) = 0;
    virtual uint64_t GetLength() const = 0;
    virtual void SetLength(uint64_t length) = 0;
    // Deletes the handle.
    virtual void qn_delete();

    uint64_t Tell() const { return const_cast<QnLsmHandle*>(this)->Seek(0, HP_CURRENT); }
    uint64_t SeekToBegin() { return Seek(0, HP_BEGIN); }
    uint64_t SeekToEnd() { return Seek(0, HP_END); }

    // Handles come from plain memory of the base library.
    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

protected:
    QnLsmHandle() = default;
    virtual ~QnLsmHandle() = default;
    QnLsmHandle(const QnLsmHandle&) = default;
    QnLsmHandle& operator=(const QnLsmHandle&) = default;
};
