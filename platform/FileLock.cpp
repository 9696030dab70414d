#include "platform/FileLock.h"

#include "platform/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

std::string FileLock::LockPathOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".lock";
}

FileLock::FileLock(const std::string& path)
{
    const std::string lockPath = LockPathOf(path);
    fd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        RaiseError("Can't lock file " + path + ": " + ErrnoText(errno), "FileLock", __LINE__);
    while (flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            close(fd_);
            RaiseError("Can't lock file " + path + ": " + ErrnoText(error), "FileLock", __LINE__);
        }
    }
}

FileLock::~FileLock()
{
    // Closing the descriptor releases the lock.
    close(fd_);
}

} // namespace platform
