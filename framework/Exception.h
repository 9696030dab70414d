// The framework's own errors: file, archive and not-supported failures and
// the quiet error that data exchange raises after it has told the user.
// They are not QnExcept: code that catches the suite's errors lets these pass
// on to the framework, which reports them where a command or event ends.
#pragma once

#include <exception>
#include <string>

namespace fw {

class Exception : public std::exception {
public:
    explicit Exception(std::string message = {}) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    // The text shown to the user for this error; empty for none.
    virtual std::string GetErrorMessage() const { return message_; }
    // Shows the error in a message box (through the message-box hook).
    virtual void ReportError() const;

protected:
    std::string message_;
};

class FileException : public Exception {
public:
    enum Cause { generic = 1, fileNotFound, badPath, accessDenied, diskFull, endOfFile, alreadyExists };

    FileException(Cause cause, std::string path, int osError = 0);
    Cause cause() const { return cause_; }
    const std::string& path() const { return path_; }
    int osError() const { return osError_; }
    // The cause of an errno value.
    static Cause CauseFromErrno(int error);
    [[noreturn]] static void ThrowErrno(int error, const std::string& path);

private:
    Cause cause_;
    std::string path_;
    int osError_;
};

class ArchiveException : public Exception {
public:
    enum Cause { generic = 1, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    ArchiveException(Cause cause, std::string path = {});
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

// An operation the object does not offer (for example a file whose version
// its reader refuses).
class NotSupportedException : public Exception {
public:
    NotSupportedException();
};

// An error the user has already been told about (a refused dialog field):
// reporting it shows nothing more.
class UserException : public Exception {
public:
    UserException() = default;
    void ReportError() const override {}
};

}  // namespace fw
