#include "platform/AtomicFile.h"

#include "platform/AtomicWriter.h"
#include "platform/SystemError.h"
#include "platform/TempFile.h"

#include "base/QnExcept.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
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

// The process id in the name of a temporary file, or 0 when the name is
// not one of ours.
pid_t SaverOf(const char* name)
{
    const size_t prefix = std::strlen(AtomicFile::kTempPrefix);
    if (std::strncmp(name, AtomicFile::kTempPrefix, prefix) != 0)
        return 0;
    pid_t pid = 0;
    const char* p = name + prefix;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (pid > (INT_MAX - 9) / 10)
            return 0;
        pid = pid * 10 + (*p - '0');
    }
    return *p == '.' ? pid : 0;
}

} // namespace

std::string AtomicFile::CreateTemp(const std::string& folder, const std::string& extension, int* fd)
{
    RemoveLeftovers(folder);
    return TempFile::Create(folder, kTempPrefix + std::to_string(getpid()) + ".", extension, fd);
}

void AtomicFile::RemoveLeftovers(const std::string& folder)
{
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;  // the save itself reports what is wrong with the folder
    while (const dirent* entry = readdir(dir)) {
        const pid_t pid = SaverOf(entry->d_name);
        if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH)
            unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

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
