// An exclusive lock between processes that change the same file: an flock
// on a lock file beside it (".<name>.lock"), held for the object's lifetime.
// The lock is not on the file itself, because an atomic replace gives the
// file a new inode and a lock on the old one would guard nothing.
#pragma once

#include <string>

namespace platform {

class FileLock {
public:
    // Waits until the lock of path is free and takes it. A lock file that
    // cannot be made raises QnExcept.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    static std::string LockPathOf(const std::string& path);

private:
    int fd_ = -1;
};

} // namespace platform
