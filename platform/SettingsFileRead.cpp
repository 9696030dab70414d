#include "platform/SettingsFileRead.h"

#include "platform/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

FileStamp StampFrom(const struct stat& info)
{
    return {uint64_t(info.st_dev), uint64_t(info.st_ino), uint64_t(info.st_size),
            int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            int64_t(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec};
}

[[noreturn]] void Refuse(const std::string& path, const std::string& why, int line)
{
    RaiseError("Can't read file " + path + ": " + why, "SettingsFileRead", line);
}

std::string TooLarge(size_t maxSize)
{
    if (maxSize % (size_t(1) << 20) == 0)
        return "it is larger than " + std::to_string(maxSize >> 20) + " MB";
    return "it is larger than " + std::to_string(maxSize) + " bytes";
}

void RefuseUnlessRegular(const std::string& path, const struct stat& info, size_t maxSize)
{
    if (!S_ISREG(info.st_mode))
        Refuse(path, "it is not a regular file", __LINE__);
    if (uint64_t(info.st_size) > maxSize)
        Refuse(path, TooLarge(maxSize), __LINE__);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) == 0)
        return StampFrom(info);
    if (errno == ENOENT || errno == ENOTDIR)
        return std::nullopt;
    Refuse(path, ErrnoText(errno), __LINE__);
}

std::optional<SettingsFileContent> ReadSettingsFile(const std::string& path, size_t maxSize)
{
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        Refuse(path, ErrnoText(errno), __LINE__);
    }
    RefuseUnlessRegular(path, info, maxSize);

    // Without blocking, in case it was swapped for a FIFO in between; what
    // was opened is looked at again.
    Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        Refuse(path, ErrnoText(errno), __LINE__);
    }
    if (fstat(fd.Get(), &info) != 0)
        Refuse(path, ErrnoText(errno), __LINE__);
    RefuseUnlessRegular(path, info, maxSize);

    SettingsFileContent content{StampFrom(info), {}};
    // One byte more than the cap is asked for, to notice a file that grew
    // past it since it was looked at.
    content.text.resize(size_t(info.st_size) + 1);
    size_t got = 0;
    for (;;) {
        if (got == content.text.size()) {
            if (got > maxSize)
                Refuse(path, TooLarge(maxSize), __LINE__);
            content.text.resize(std::min(got * 2 + 4096, maxSize + 1));
        }
        const ssize_t n = read(fd.Get(), content.text.data() + got, content.text.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Refuse(path, ErrnoText(errno), __LINE__);
        if (n == 0)
            break;
        got += size_t(n);
    }
    content.text.resize(got);
    return content;
}

} // namespace platform
