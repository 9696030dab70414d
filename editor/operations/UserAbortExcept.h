// A long picture operation that the user cancelled through its progress
// display. The workers throw it after asking their indicator; the commands
// catch it with every other QnExcept and leave the document as it was.
#pragma once

#include "base/QnExcept.h"

class QnProcessAbort;

class UserAbortExcept : public QnExcept {
public:
    // The message is the editor's "User Abort"; file and line name the place.
    UserAbortExcept(const char* file, int line);
    UserAbortExcept(const UserAbortExcept&) = default;
    UserAbortExcept& operator=(const UserAbortExcept&) = default;
    [[noreturn]] void do_raise() override;
};

// Raises UserAbortExcept (file, line) when abort is given and says stop.
void ThrowIfAborted(const QnProcessAbort* abort, const char* file, int line);
