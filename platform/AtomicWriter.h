// The streaming form of an atomic replace: a writer fills a temporary file
// beside the target through its descriptor, and Commit() flushes it to the
// disk and renames it over the target. A writer destroyed without Commit()
// removes the temporary file and leaves the target as it was, so a save
// that fails half-way loses nothing.
#pragma once

#include <string>

namespace platform {

class AtomicWriter {
public:
    // Makes the temporary file (AtomicFile::CreateTemp) in the folder of
    // target, or of the file it links to. A target the user may not write
    // is refused here. Failure raises QnExcept.
    explicit AtomicWriter(const std::string& target);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    int Fd() const { return fd_; }
    const std::string& TempPath() const { return temp_; }

    // Gives the temporary file the target's permissions (0644 for a new
    // one), flushes it and renames it over the target. Failure removes the
    // temporary file and raises QnExcept naming the target.
    void Commit();

    // The file that a write to path really changes: the end of a chain of
    // symbolic links, even when it does not exist yet (a dangling link).
    static std::string ResolveTarget(const std::string& path);
    // 0 when path (as resolved above) may be replaced: it does not exist,
    // or the user may write it. Otherwise the errno to report (EACCES for a
    // file nobody may write, even where the system would let root).
    static int CheckWritable(const std::string& path);
    // The folder part of path ("." when it has none).
    static std::string FolderOf(const std::string& path);
    // Puts a complete temporary file in place of path (as resolved above):
    // gives it path's permissions, owner and group (0644 and the user's for
    // a new file), flushes it through fd, which it closes, and renames it
    // over path. Where the owner or group cannot be kept, or path has other
    // hard links, the content is written into path itself instead, after a
    // backup copy beside it that puts path back should that write fail. For
    // writers that fill the temporary file by name. Returns 0, or the errno
    // of the step that failed after removing temp; path is then as it was.
    static int Install(int fd, const std::string& temp, const std::string& path);

private:
    std::string target_;  // as the caller named it, for messages
    std::string path_;    // the file really replaced
    std::string temp_;
    int fd_ = -1;
    bool done_ = false;
};

} // namespace platform
