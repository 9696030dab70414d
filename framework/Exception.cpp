#include "framework/Exception.h"

#include <cerrno>

#include "framework/MessageBox.h"

namespace fw {
namespace {

std::string Substitute(std::string text, const std::string& path)
{
    const std::string name = path.empty() ? std::string("an unnamed file") : path;
    if (auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

std::string FileMessage(FileException::Cause cause)
{
    switch (cause) {
    case FileException::fileNotFound: return "%1 was not found.";
    case FileException::badPath: return "%1 contains an incorrect path.";
    case FileException::accessDenied: return "%1 could not be accessed.";
    case FileException::diskFull: return "There is not enough space on the disk to write %1.";
    case FileException::endOfFile: return "An attempt was made to access %1 past its end.";
    case FileException::alreadyExists: return "%1 already exists.";
    case FileException::generic: break;
    }
    return "An unexpected error occurred while accessing %1.";
}

std::string ArchiveMessage(ArchiveException::Cause cause)
{
    switch (cause) {
    case ArchiveException::endOfFile: return "Unexpected end of file while reading %1.";
    case ArchiveException::badIndex: return "%1 has an incorrect format.";
    case ArchiveException::badClass: return "Unexpected object was encountered while reading %1.";
    case ArchiveException::badSchema: return "Unable to read an unsupported version of an object from %1.";
    case ArchiveException::readOnly: return "Attempted to write to %1 while reading it.";
    case ArchiveException::writeOnly: return "Attempted to read from %1 while writing it.";
    case ArchiveException::generic: break;
    }
    return "An unexpected error occurred while reading or writing %1.";
}

}  // namespace

void Exception::ReportError() const
{
    const std::string text = GetErrorMessage();
    if (!text.empty())
        MessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

FileException::FileException(Cause cause, std::string path, int osError)
    : Exception(Substitute(FileMessage(cause), path)), cause_(cause), path_(std::move(path)), osError_(osError)
{
}

FileException::Cause FileException::CauseFromErrno(int error)
{
    switch (error) {
    case ENOENT: return fileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: return badPath;
    case EACCES: case EPERM: case EROFS: case EISDIR: return accessDenied;
    case ENOSPC: case EDQUOT: return diskFull;
    case EEXIST: return alreadyExists;
    default: return generic;
    }
}

void FileException::ThrowErrno(int error, const std::string& path)
{
    throw FileException(CauseFromErrno(error), path, error);
}

ArchiveException::ArchiveException(Cause cause, std::string path)
    : Exception(Substitute(ArchiveMessage(cause), path)), cause_(cause)
{
}

NotSupportedException::NotSupportedException() : Exception("The operation is not supported.") {}

}  // namespace fw
