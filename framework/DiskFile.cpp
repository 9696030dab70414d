#include "framework/DiskFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "framework/Exception.h"

namespace fw {
namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

}  // namespace

DiskFile::DiskFile(const std::string& path, Mode mode) : path_(path), mode_(mode)
{
    if (path.empty())
        throw FileException(FileException::badPath, path);
    switch (mode) {
    case kRead:
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        break;
    case kCreateWrite:
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        break;
    case kSafeSave: {
        std::string pattern = FolderOf(path) + ".~fwsave-XXXXXX";
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ >= 0) {
            tempPath_ = pattern;
            // mkstemp makes the file private; give it the mode a new file gets.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            struct stat st {};
            ::fchmod(fd_, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask));
        }
        break;
    }
    }
    if (fd_ < 0)
        FileException::ThrowErrno(errno, path);
    if (mode == kRead) {
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            throw FileException(FileException::accessDenied, path, EISDIR);
        }
    }
}

DiskFile::~DiskFile()
{
    Close(false);
}

size_t DiskFile::Read(void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            FileException::ThrowErrno(errno, path_);
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void DiskFile::Write(const void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            FileException::ThrowErrno(errno, path_);
        done += static_cast<size_t>(n);
    }
}

uint64_t DiskFile::GetLength() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        FileException::ThrowErrno(errno, path_);
    return static_cast<uint64_t>(st.st_size);
}

uint64_t DiskFile::GetPosition() const
{
    const off_t at = ::lseek(fd_, 0, SEEK_CUR);
    if (at < 0)
        FileException::ThrowErrno(errno, path_);
    return static_cast<uint64_t>(at);
}

void DiskFile::Seek(uint64_t position)
{
    if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0)
        FileException::ThrowErrno(errno, path_);
}

void DiskFile::Flush()
{
    if (mode_ != kRead && ::fsync(fd_) != 0 && errno != EINVAL)
        FileException::ThrowErrno(errno, path_);
}

void DiskFile::Commit()
{
    if (fd_ < 0)
        return;
    Flush();
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        FileException::ThrowErrno(errno, path_);
    if (mode_ == kSafeSave) {
        if (::rename(tempPath_.c_str(), path_.c_str()) != 0) {
            const int error = errno;
            ::unlink(tempPath_.c_str());
            FileException::ThrowErrno(error, path_);
        }
        tempPath_.clear();
    }
}

void DiskFile::Close(bool keep)
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!keep && !tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

}  // namespace fw
