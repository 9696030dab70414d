#include "platform/ProgramLocation.h"

#include "platform/SystemError.h"

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace platform {

std::string ProgramLocation::ProgramPath()
{
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length < 0 || size_t(length) >= sizeof buffer)
        RaiseError("Can't find the program's own file: " + ErrnoText(length < 0 ? errno : ENAMETOOLONG),
                   "ProgramLocation", __LINE__);
    return std::string(buffer, size_t(length));
}

std::string ProgramLocation::ProgramFolder()
{
    std::string path = ProgramPath();
    return path.substr(0, path.rfind('/') + 1);
}

std::string ProgramLocation::ProgramName()
{
    std::string path = ProgramPath();
    return path.substr(path.rfind('/') + 1);
}

std::string ProgramLocation::ResolveBesideProgram(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return name;
    return ProgramFolder() + name;
}

} // namespace platform
