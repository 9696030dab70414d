#include "platform/SettingsLocation.h"

#include "platform/AtomicFile.h"
#include "platform/ProgramLocation.h"

#include "base/QnExcept.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string AbsoluteFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    std::string path(value);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string HomeFolder()
{
    std::string home = AbsoluteFromEnvironment("HOME");
    if (!home.empty())
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/tmp";
}

void MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos)
            break;
    }
}

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

} // namespace

std::string SettingsLocation::ConfigRoot()
{
    for (const char* variable : {"QN_CONFIG_HOME", "XDG_CONFIG_HOME"}) {
        std::string root = AbsoluteFromEnvironment(variable);
        if (!root.empty())
            return root;
    }
    return HomeFolder() + "/.config";
}

std::string SettingsLocation::ConfigFolder(const std::string& owner)
{
    std::string folder = ConfigRoot() + "/" + owner;
    MakeFolders(folder);
    return folder + "/";
}

std::string SettingsLocation::SettingsFile(const std::string& fileName, const std::string& owner,
                                           const std::string& shippedFolder)
{
    const std::string path = ConfigFolder(owner) + fileName;
    if (!Exists(path) && !shippedFolder.empty()) {
        std::string shipped = shippedFolder;
        if (shipped.back() != '/')
            shipped += '/';
        shipped += fileName;
        if (Exists(shipped)) {
            try {
                AtomicFile::Copy(shipped, path);
            } catch (const QnExcept&) {
                // The program then runs on its built-in defaults.
            }
        }
    }
    return path;
}

std::string SettingsLocation::ProgramSettingsFile(const std::string& extension)
{
    const std::string program = ProgramLocation::ProgramName();
    return SettingsFile(program + extension, program, ProgramLocation::ProgramFolder());
}

} // namespace platform
