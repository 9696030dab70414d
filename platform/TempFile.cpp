#include "platform/TempFile.h"

#include "platform/SystemError.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

std::string TempFile::TempFolder()
{
    const char* tmpdir = std::getenv("TMPDIR");
    struct stat info;
    if (tmpdir && *tmpdir && stat(tmpdir, &info) == 0 && S_ISDIR(info.st_mode))
        return tmpdir;
    return "/tmp";
}

std::string TempFile::Create(const std::string& folder, const std::string& prefix, const std::string& extension,
                             int* fd)
{
    std::string pattern = folder.empty() ? std::string(".") : folder;
    if (pattern.back() != '/')
        pattern += '/';
    pattern += prefix + "XXXXXX" + extension;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkostemps(name.data(), int(extension.size()), O_CLOEXEC);
    if (descriptor < 0)
        RaiseError("Can't create a temporary file in " + (folder.empty() ? std::string(".") : folder) + ": " +
                       ErrnoText(errno),
                   "TempFile", __LINE__);
    if (fd)
        *fd = descriptor;
    else
        close(descriptor);
    return std::string(name.data());
}

} // namespace platform
