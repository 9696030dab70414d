// How the platform layer reports failures: a QnExcept with a readable text
// and the source stem of the raising file.
#pragma once

#include <string>

namespace platform {

// Raises a QnExcept with text, naming stem and line as where it was raised.
[[noreturn]] void RaiseError(const std::string& text, const char* stem, int line);

// The system's text for an errno value ("No such file or directory").
std::string ErrnoText(int error);

} // namespace platform
