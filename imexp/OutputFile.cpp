#include "imexp/OutputFile.h"

#include "imexp/Fail.h"

#include "platform/SystemError.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace imexp {

namespace {

constexpr size_t kBufferBytes = 256 * 1024;
constexpr uint64_t kWritebackBytes = 4u << 20;

// Bytes that may still be written before the injected fault; negative: none.
std::atomic<int64_t> g_faultBudget{-1};

} // namespace

void OutputFile::FailAfterBytesForTest(int64_t bytes) { g_faultBudget.store(bytes); }

OutputFile::OutputFile(int fd) : fd_(fd) { buffer_.reserve(kBufferBytes); }

bool OutputFile::Record(int error)
{
    if (error_.empty())
        error_ = platform::ErrnoText(error);
    return false;
}

bool OutputFile::Flush()
{
    if (!WriteRaw(buffer_.data(), buffer_.size()))
        return false;
    buffer_.clear();
    return true;
}

bool OutputFile::WriteRaw(const uint8_t* p, size_t left)
{
    if (Failed())
        return false;
    while (left > 0) {
        size_t chunk = left;
        const int64_t budget = g_faultBudget.load();
        if (budget >= 0) {
            if (budget == 0)
                return Record(ENOSPC);
            chunk = std::min<size_t>(chunk, size_t(budget));
            g_faultBudget.store(budget - int64_t(chunk));
        }
        const ssize_t written = ::write(fd_, p, chunk);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Record(errno);
        }
        p += written;
        left -= size_t(written);
        unsynced_ += uint64_t(written);
    }
    // The disk is asked to start on what has been written every few
    // megabytes, so that the flush that ends a save finds most of a large
    // file written instead of waiting for all of it. A hint only: where it
    // fails, the flush does the work.
    if (unsynced_ >= kWritebackBytes) {
        sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
        unsynced_ = 0;
    }
    return true;
}

bool OutputFile::Write(const void* data, size_t size)
{
    if (Failed())
        return false;
    // A block of half the buffer or more saves few calls by waiting there
    // and would cost a copy of every byte: it goes straight to the file.
    if (size >= kBufferBytes / 2)
        return Flush() && WriteRaw(static_cast<const uint8_t*>(data), size);
    if (buffer_.size() + size > kBufferBytes && !Flush())
        return false;
    buffer_.insert(buffer_.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
    return true;
}

void OutputFile::WriteOrFail(const void* data, size_t size)
{
    if (!Write(data, size))
        Fail(error_);
}

int64_t OutputFile::Seek(int64_t offset, int whence)
{
    if (!Flush())
        return -1;
    const off_t at = lseek(fd_, offset, whence);
    if (at < 0) {
        Record(errno);
        return -1;
    }
    return at;
}

int64_t OutputFile::Read(void* out, size_t size)
{
    if (!Flush())
        return -1;
    const ssize_t got = ::read(fd_, out, size);
    if (got < 0) {
        Record(errno);
        return -1;
    }
    return got;
}

int64_t OutputFile::Size()
{
    if (!Flush())
        return -1;
    struct stat info;
    if (fstat(fd_, &info) != 0) {
        Record(errno);
        return -1;
    }
    return info.st_size;
}

} // namespace imexp
