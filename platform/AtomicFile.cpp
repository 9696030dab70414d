#include "platform/AtomicFile.h"

#include "platform/AtomicWriter.h"
#include "platform/SystemError.h"

#include "base/QnExcept.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size)
{
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

} // namespace

void AtomicFile::Replace(const std::string& target, std::span<const uint8_t> bytes)
{
    AtomicWriter writer(target);
    if (!WriteAll(writer.Fd(), bytes.data(), bytes.size()))
        RaiseError("Can't write file " + target + ": " + ErrnoText(errno), "AtomicFile", __LINE__);
    writer.Commit();
}

void AtomicFile::Replace(const std::string& target, std::string_view text)
{
    Replace(target, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void AtomicFile::Copy(const std::string& from, const std::string& to)
{
    Replace(to, ReadAll(from));
}

std::string AtomicFile::ReadAll(const std::string& path)
{
    std::optional<std::string> content = ReadIfExists(path);
    if (!content)
        RaiseError("Can't read file " + path + ": " + ErrnoText(ENOENT), "AtomicFile", __LINE__);
    return *content;
}

std::optional<std::string> AtomicFile::ReadIfExists(const std::string& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return std::nullopt;
    if (fd < 0)
        RaiseError("Can't read file " + path + ": " + ErrnoText(errno), "AtomicFile", __LINE__);
    std::string content;
    char buffer[65536];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            close(fd);
            RaiseError("Can't read file " + path + ": " + ErrnoText(error), "AtomicFile", __LINE__);
        }
        if (got == 0)
            break;
        content.append(buffer, size_t(got));
    }
    close(fd);
    return content;
}

} // namespace platform
