#include "platform/AtomicFile.h"

#include "platform/SystemError.h"
#include "platform/TempFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The file that a write to path really changes: a symbolic link's target.
std::string ResolveTarget(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

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

void SyncFolder(const std::string& folder)
{
    // Makes the rename itself durable; a failure here loses nothing that the
    // rename has not already made visible, so it is not reported.
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

void AtomicFile::Replace(const std::string& target, std::span<const uint8_t> bytes)
{
    const std::string path = ResolveTarget(target);
    const std::string folder = FolderOf(path);
    int fd = -1;
    std::string temp;
    try {
        temp = TempFile::Create(folder, kTempPrefix, "", &fd);
    } catch (...) {
        RaiseError("Can't write file " + target + ": " + ErrnoText(errno), "AtomicFile", __LINE__);
    }
    struct stat existing;
    bool ok = WriteAll(fd, bytes.data(), bytes.size());
    int error = errno;
    if (ok) {
        const mode_t mode = stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
        ok = fchmod(fd, mode) == 0 && fsync(fd) == 0;
        error = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        RaiseError("Can't write file " + target + ": " + ErrnoText(error), "AtomicFile", __LINE__);
    }
    SyncFolder(folder);
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
