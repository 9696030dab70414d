// How the editor ends a command that failed. A cancel by the user and a
// silent exception end it quietly; a picture file the import library could
// not read or write shows the library's reason, which names the file; any
// other error of the suite shows its message; framework errors go on to the
// framework. The document stays as it was in every case.
#pragma once

#include <exception>
#include <functional>

#include "framework/Exception.h"

// Ends a command whose settings would change nothing, with the message
// "Nothing to do!".
void LdNothingToDo();

// Runs work; false when it ended by an exception, which was reported.
bool LdRunCommand(const std::function<void()>& work);
// Reports the exception as above; framework exceptions are thrown on.
void LdReportCommandError(std::exception_ptr error);

// Runs an edit whose failure ends it quietly (the commit leaves the document
// as it was): any error but the framework's, which goes on.
template <class Work>
void LdRunEdit(Work work)
{
    try {
        work();
    } catch (const fw::Exception&) {
        throw;
    } catch (...) {
    }
}
