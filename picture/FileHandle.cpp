#include "picture/FileHandle.h"

#include "picture/FileDescRcStr.h"

#include "base/QnMemAlloc.h"
#include "base/QnMemPool.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Made at library load, before any handle can be opened, and destroyed at
// unload.
QnMemPool handlePool(sizeof(QnFileHandle));

int OpenFlags(QnLsmDsc::dh_mode mode)
{
    switch (mode) {
    case QnLsmDsc::DH_READ:
        return O_RDONLY;
    case QnLsmDsc::DH_CREATE:
        return O_RDWR | O_CREAT | O_TRUNC;
    case QnLsmDsc::DH_READWRITE:
        return O_RDWR;
    }
    return -1;
}

} // namespace

void* QnFileHandle::operator new(size_t size) noexcept
{
    return size <= handlePool.BlockSize() ? handlePool.alloc() : nullptr;
}

void QnFileHandle::operator delete(void* p) noexcept { handlePool.free(p); }

QnFileHandle::QnFileHandle(const char* name, QnLsmDsc::dh_mode mode) : fd_(-1), owns_(1)
{
    const int flags = OpenFlags(mode);
    if (name && flags != -1) {
        do
            fd_ = open(name, flags | O_CLOEXEC, 0666);
        while (fd_ < 0 && errno == EINTR);
    }
    if (fd_ < 0)
        QN_FDSC_RAISE(QN_FDSC_CANT_OPEN);
}

QnFileHandle::QnFileHandle(int fd, int owns) : fd_(fd), owns_(owns) {}

QnFileHandle::~QnFileHandle()
{
    if (owns_ && fd_ >= 0)
        close(fd_);
}

QnLsmHandle* QnFileHandle::Dup()
{
    const int fd = fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        QN_FDSC_RAISE(QN_FDSC_CANT_DUP);
    QnFileHandle* dup = new QnFileHandle(fd, 1);
    if (!dup) {
        close(fd);
        qn_standard_new_handler(0);
    }
    return dup;
}

uint64_t QnFileHandle::Read(void* buf, uint64_t n)
{
    auto* at = static_cast<char*>(buf);
    uint64_t left = n;
    while (left > 0) {
        const ssize_t got = read(fd_, at, left);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            QN_FDSC_RAISE(QN_FDSC_READ_ERROR);
        if (got == 0)
            QN_FDSC_RAISE(QN_FDSC_PREMATURE_EOF);
        at += got;
        left -= uint64_t(got);
    }
    return n;
}

void QnFileHandle::Write(const void* buf, uint64_t n)
{
    const auto* at = static_cast<const char*>(buf);
    uint64_t left = n;
    while (left > 0) {
        const ssize_t put = write(fd_, at, left);
        if (put < 0 && errno == EINTR)
            continue;
        if ((put < 0 && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) || put == 0)
            QN_FDSC_RAISE(QN_FDSC_DISK_FULL);
        if (put < 0)
            QN_FDSC_RAISE(QN_FDSC_WRITE_ERROR);
        at += put;
        left -= uint64_t(put);
    }
}

// A flush that fails means the data may never reach the disk: the writer
// must hear of it.
void QnFileHandle::Flush()
{
    if (fsync(fd_) == 0 || errno == EINVAL) // EINVAL: a device or pipe, nothing to flush
        return;
    if (errno == ENOSPC || errno == EDQUOT)
        QN_FDSC_RAISE(QN_FDSC_DISK_FULL);
    QN_FDSC_RAISE(QN_FDSC_WRITE_ERROR);
}

uint64_t QnFileHandle::Seek(int64_t offset, hp_from from)
{
    const int whence = from == HP_BEGIN ? SEEK_SET : from == HP_CURRENT ? SEEK_CUR : SEEK_END;
    const off_t at = lseek(fd_, off_t(offset), whence);
    if (at < 0)
        QN_FDSC_RAISE(QN_FDSC_SEEK_ERROR);
    return uint64_t(at);
}

uint64_t QnFileHandle::GetLength() const
{
    struct stat info;
    if (fstat(fd_, &info) != 0)
        QN_FDSC_RAISE(QN_FDSC_READ_ERROR);
    return uint64_t(info.st_size);
}

void QnFileHandle::SetLength(uint64_t length)
{
    if (length > uint64_t(INT64_MAX) || ftruncate(fd_, off_t(length)) != 0 || lseek(fd_, off_t(length), SEEK_SET) < 0)
        QN_FDSC_RAISE(QN_FDSC_SET_LENGTH_ERROR);
}
