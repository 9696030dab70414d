#include "platform/AtomicWriter.h"

#include "platform/AtomicFile.h"
#include "platform/SystemError.h"
#include "platform/TempFile.h"

#include "base/QnExcept.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

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

std::string AtomicWriter::ResolveTarget(const std::string& path)
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

std::string AtomicWriter::FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int AtomicWriter::Install(int fd, const std::string& temp, const std::string& path)
{
    struct stat existing;
    const mode_t mode = stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    bool ok = fchmod(fd, mode) == 0 && fsync(fd) == 0;
    int error = errno;
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
        return error;
    }
    SyncFolder(FolderOf(path));
    return 0;
}

AtomicWriter::AtomicWriter(const std::string& target) : target_(target), path_(ResolveTarget(target))
{
    try {
        temp_ = TempFile::Create(FolderOf(path_), AtomicFile::kTempPrefix, "", &fd_);
    } catch (const QnExcept& error) {
        RaiseError("Can't write file " + target + ": " + error.what(), "AtomicWriter", __LINE__);
    }
}

AtomicWriter::~AtomicWriter()
{
    if (!done_) {
        if (fd_ >= 0)
            close(fd_);
        unlink(temp_.c_str());
    }
}

void AtomicWriter::Commit()
{
    const int error = Install(fd_, temp_, path_);
    fd_ = -1;
    done_ = true;
    if (error)
        RaiseError("Can't write file " + target_ + ": " + ErrnoText(error), "AtomicWriter", __LINE__);
}

} // namespace platform
