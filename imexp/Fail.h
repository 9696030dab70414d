// How the library's readers and writers stop: they raise a QnExcept with
// the reason in the library's words; the entry points turn it into text.
#pragma once

#include <string>

namespace imexp {

[[noreturn]] void Fail(const std::string& reason);

// The reason given when the progress asked to stop.
extern const char* const kCancelled;

} // namespace imexp
