#include "editor/operations/UserAbortExcept.h"

#include "editor/operations/OperationStrings.h"
#include "lang/ProcessControl.h"

UserAbortExcept::UserAbortExcept(const char* file, int line)
    : QnExcept(OperationString(IDS_USER_ABORT).c_str(), file, line)
{
}

void UserAbortExcept::do_raise()
{
    throw *this;
}

void ThrowIfAborted(const QnProcessAbort* abort, const char* file, int line)
{
    if (abort && abort->TestAbort())
        UserAbortExcept(file, line).raise();
}
