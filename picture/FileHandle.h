// A load/save stream over an open file. Handle objects are small and made
// for every open, so they come from a pool of the library.
#pragma once

#include "lang/LsmDsc.h"
#include "lang/LsmHandle.h"

class QnFileHandle : public QnLsmHandle {
public:
    // Opens name: DH_READ an existing file read-only, DH_CREATE a new or
    // emptied file for reading and writing, DH_READWRITE an existing file
    // for reading and writing. Failure raises "Can't open file".
    QnFileHandle(const char* name, QnLsmDsc::dh_mode mode);
    // Wraps an open descriptor; owns nonzero closes it with the handle.
    QnFileHandle(int fd, int owns);
    QnFileHandle(const QnFileHandle&) = delete;
    QnFileHandle& operator=(const QnFileHandle&) = delete;

    // A second handle on the same open file, sharing its position.
    QnLsmHandle* Dup() override;
    // Reads exactly n bytes; fewer raises "Premature end-of-file".
    uint64_t Read(void* buf, uint64_t n) override;
    void Write(const void* buf, uint64_t n) override;
    void Flush() override;
    uint64_t Seek(int64_t offset, hp_from from) override;
    // Leaves the position where it is.
    uint64_t GetLength() const override;
    // Cuts or extends the file to length and moves the position there.
    void SetLength(uint64_t length) override;

    int Fd() const { return fd_; }

    // From the library's pool; null when the pool cannot grow.
    static void* operator new(size_t size) noexcept;
    static void operator delete(void* p) noexcept;

protected:
    ~QnFileHandle() override;

private:
    int fd_;
    int owns_;
};
