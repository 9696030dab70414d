#include "platform/SystemError.h"

#include "base/QnExcept.h"

#include <cstring>

namespace platform {

void RaiseError(const std::string& text, const char* stem, int line)
{
    QnExcept error(text.c_str(), stem, line);
    error.raise();
}

std::string ErrnoText(int error)
{
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

} // namespace platform
