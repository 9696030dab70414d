#include "platform/AtomicWriter.h"

#include "platform/AtomicFile.h"
#include "platform/SystemError.h"
#include "platform/TempFile.h"

#include "base/QnExcept.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// Copies everything from in (from its start) over out, which ends where
// the copy ends, and flushes out. Returns 0 or the errno.
int CopyOver(int in, int out)
{
    if (lseek(in, 0, SEEK_SET) < 0 || lseek(out, 0, SEEK_SET) < 0)
        return errno;
    char buffer[65536];
    off_t total = 0;
    for (;;) {
        const ssize_t got = read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = write(out, buffer + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return errno;
            done += put;
        }
        total += got;
    }
    if (ftruncate(out, total) != 0 || fsync(out) != 0)
        return errno;
    return 0;
}

// Writes the temporary file's content into path itself, keeping its inode,
// owner, group and links. A backup copy beside path is made first; should
// the write fail, path is put back from it. The backup is removed once path
// holds either the new content or its old one again.
int WriteInPlace(int fd, const std::string& temp, const std::string& path)
{
    int error = 0;
    int target = open(path.c_str(), O_RDWR | O_CLOEXEC);
    int backupFd = -1;
    std::string backup;
    if (target < 0) {
        error = errno;
    } else {
        try {
            backup = TempFile::Create(AtomicWriter::FolderOf(path),
                                      AtomicFile::kBackupPrefix + std::to_string(getpid()) + ".", "", &backupFd);
            error = CopyOver(target, backupFd);
        } catch (const QnExcept&) {
            error = errno ? errno : EIO;
        }
        if (!error) {
            error = CopyOver(fd, target);
            if (error && CopyOver(backupFd, target) != 0)
                backup.clear();  // path is damaged: the backup is all that is left of it
        }
    }
    if (backupFd >= 0)
        close(backupFd);
    if (!backup.empty())
        unlink(backup.c_str());
    if (target >= 0 && close(target) != 0 && !error)
        error = errno;
    close(fd);
    unlink(temp.c_str());
    return error;
}

} // namespace

std::string AtomicWriter::ResolveTarget(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::vector<char> text(size_t(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
        const ssize_t length = readlink(current.c_str(), text.data(), text.size());
        if (length < 0 || size_t(length) >= text.size())
            return current;
        const std::string link(text.data(), size_t(length));
        current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
    }
    return current;  // a loop of links: opening it reports ELOOP
}

int AtomicWriter::CheckWritable(const std::string& path)
{
    const std::string file = ResolveTarget(path);
    struct stat info;
    if (stat(file.c_str(), &info) != 0)
        return errno == ENOENT ? 0 : errno;
    if ((info.st_mode & 0222) == 0)
        return EACCES;
    return access(file.c_str(), W_OK) == 0 ? 0 : errno;
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
    const bool exists = stat(path.c_str(), &existing) == 0;
    if (exists) {
        // A rename would give the file the saver's owner and group and cut
        // its other hard links: where that would change the file, its
        // content is replaced in place instead.
        const bool sameOwner = existing.st_uid == geteuid() && existing.st_gid == getegid();
        if (existing.st_nlink > 1 || (!sameOwner && fchown(fd, existing.st_uid, existing.st_gid) != 0))
            return WriteInPlace(fd, temp, path);
    }
    const mode_t mode = exists ? (existing.st_mode & 07777) : 0644;
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
    if (const int error = CheckWritable(path_))
        RaiseError("Can't write file " + target + ": " + ErrnoText(error), "AtomicWriter", __LINE__);
    try {
        temp_ = AtomicFile::CreateTemp(FolderOf(path_), "", &fd_);
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
