// The boundary between Qt's event handling and the framework's handlers: no
// exception may leave a Qt event handler, so handlers run inside GuardedCall,
// which shows what went wrong and swallows it.
#pragma once

#include <functional>

namespace fw {

// Runs work; an exception is reported in a message box (a framework error
// through its ReportError, any other with its text) and not passed on.
// Returns false when work ended by an exception.
bool GuardedCall(const std::function<void()>& work);

}  // namespace fw
