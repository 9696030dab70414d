#include "pluginhost/ModuleFiles.h"

#include "pluginhost/PlugInRecord.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr uint64_t kEpochDifference = 11644473600ULL;

bool HasModuleExtension(const std::string& name)
{
    static const char kExtension[] = ".8bf";
    if (name.size() <= 4)
        return false;
    for (size_t i = 0; i < 4; ++i) {
        char c = name[name.size() - 4 + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kExtension[i])
            return false;
    }
    return true;
}

uint64_t ToFileTime(const struct stat& st)
{
    return (static_cast<uint64_t>(st.st_mtim.tv_sec) + kEpochDifference) * 10000000ULL +
           static_cast<uint64_t>(st.st_mtim.tv_nsec) / 100;
}

} // namespace

std::string PathInFolder(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

uint64_t FileTimeOf(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? ToFileTime(st) : 0;
}

std::vector<ModuleFile> ListModuleFiles(const std::string& folder)
{
    std::vector<ModuleFile> files;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return files;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (!HasModuleExtension(name))
            continue;
        ModuleFile file{PathInFolder(folder, name), 0};
        struct stat st {};
        // A path the catalogue file cannot hold is not catalogued.
        if (file.path.size() >= static_cast<size_t>(kPlugInPathSize) || stat(file.path.c_str(), &st) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        file.fileTime = ToFileTime(st);
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const ModuleFile& a, const ModuleFile& b) { return a.path < b.path; });
    return files;
}
