// How a file descriptor saves: into a temporary file beside the named file,
// which takes the file's place only when it is complete and flushed. The
// named file is never truncated or deleted first, so a save that fails at
// any point leaves it as it was.
#include "picture/FileDescriptor.h"

#include "picture/FileDescRcStr.h"
#include "picture/FileDescRegistry.h"

#include "platform/AtomicFile.h"
#include "platform/AtomicWriter.h"
#include "platform/SystemError.h"
#include "platform/TempFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

using platform::AtomicWriter;

namespace {

// The extension of the last component of path, dot included ("" for none):
// the export library chooses the format by it.
std::string ExtensionOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    return path.substr(dot);
}

// A new empty file beside target (beside the file it links to) with
// target's extension. Failure raises and makes nothing.
std::string ReplaceViaTempFile(const char* target)
{
    const std::string folder = AtomicWriter::FolderOf(AtomicWriter::ResolveTarget(target));
    return platform::AtomicFile::CreateTemp(folder, ExtensionOf(target));
}

[[noreturn]] void RaiseCopyError(const char* from, int error)
{
    platform::RaiseError(std::string("Can't copy file ") + from + ": " + platform::ErrnoText(error), "FileDesc",
                         __LINE__);
}

[[noreturn]] void RaiseWriteError(const char* name, int error)
{
    platform::RaiseError(std::string("Can't write file ") + name + ": " + platform::ErrnoText(error), "FileDesc",
                         __LINE__);
}

// Copies the bytes of from into the existing file to. A missing from gives
// an empty copy: there is nothing left to keep.
void CopyFileInto(const char* from, const std::string& to)
{
    const int in = open(from, O_RDONLY | O_CLOEXEC);
    if (in < 0 && errno == ENOENT)
        return;
    if (in < 0)
        RaiseCopyError(from, errno);
    const int out = open(to.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    int error = out < 0 ? errno : 0;
    char buffer[65536];
    while (!error) {
        const ssize_t got = read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        for (ssize_t done = 0; done < got && !error;) {
            const ssize_t put = write(out, buffer + done, size_t(got - done));
            if (put < 0 && errno != EINTR)
                error = errno;
            else if (put > 0)
                done += put;
        }
    }
    close(in);
    if (out >= 0 && close(out) != 0 && !error)
        error = errno;
    if (error)
        RaiseCopyError(from, error);
}

} // namespace

void QnFileDescriptor::BeginSave(int bound)
{
    if (kind_ == FD_TEMPORARY)
        QN_FDSC_RAISE(QN_FDSC_CANT_SAVE_TEMP);
    if (saving_) {
        ++saving_; // a save inside the running one writes the same file
        return;
    }
    if (bound)
        return; // nothing is written
    // A file the user may not write is refused before anything is made.
    if (const int error = AtomicWriter::CheckWritable(std::string(fileName_)))
        RaiseWriteError(fileName_, error);
    const std::string temp = ReplaceViaTempFile(fileName_);
    savedRealFileName_.settext(realFileName_);
    savedTemporary_ = temporary_;
    realFileName_.settext(temp.c_str());
    temporary_ = 1;
    saving_ = 1;
}

void QnFileDescriptor::EndSave(int error, int lossy)
{
    if (!saving_)
        return;
    if (saving_ > 1) {
        --saving_; // the outermost save commits or gives up
        return;
    }
    if (error) {
        AbandonSave();
        return;
    }
    try {
        Sync(lossy);
    } catch (...) {
        AbandonSave();
        throw;
    }
}

void QnFileDescriptor::AbandonSave()
{
    unlink(realFileName_);
    realFileName_.settext(savedRealFileName_);
    temporary_ = savedTemporary_;
    savedRealFileName_.settext(nullptr);
    saving_ = 0;
}

void QnFileDescriptor::Sync(const char* name)
{
    QnCriticalSectionLock lock(FileDescRegistryLock());
    if (QnPp<QnFileDescriptor> found = FileDescRegistry().Find(name ? name : ""))
        found->Detach();
}

void QnFileDescriptor::Detach()
{
    const std::string copy = ReplaceViaTempFile(fileName_);
    try {
        CopyFileInto(fileName_, copy);
    } catch (...) {
        unlink(copy.c_str());
        throw;
    }
    FileDescRegistry().Erase(this);
    if (saving_) {
        // Its own save is running: loads go to the copy should that save fail.
        if (savedTemporary_)
            unlink(savedRealFileName_);
        savedRealFileName_.settext(copy.c_str());
        savedTemporary_ = 1;
    } else {
        realFileName_.settext(copy.c_str());
        temporary_ = 1;
    }
}

void QnFileDescriptor::Sync(int lossy)
{
    QnCriticalSectionLock lock(FileDescRegistryLock());
    const std::string target = AtomicWriter::ResolveTarget(std::string(fileName_));

    const int fd = open(realFileName_, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseWriteError(fileName_, errno);
    // Whoever still reads the old file gets it copied before it is replaced.
    QnPp<QnFileDescriptor> other = FileDescRegistry().Find(fileName_);
    if (other && other.Get() != this) {
        try {
            other->Detach();
        } catch (...) {
            close(fd);
            throw;
        }
    }
    if (const int error = AtomicWriter::Install(fd, std::string(realFileName_), target))
        RaiseWriteError(fileName_, error);

    // The file holds what was saved: a private copy read before is stale.
    if (savedTemporary_)
        unlink(savedRealFileName_);
    savedRealFileName_.settext(nullptr);
    realFileName_.settext(fileName_);
    temporary_ = 0;
    saving_ = 0;
    kind_ = FD_EXISTING;
    // A lossy file does not hold what was saved: a later request must read
    // it afresh rather than find this descriptor.
    if (lossy)
        FileDescRegistry().Erase(this);
    else
        FileDescRegistry().Insert(this);
}
