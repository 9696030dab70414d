#include "editor/ui/AboutFigures.h"

#include "editor/ui/UiStrings.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace {

std::string Formatted(int id, unsigned long value, const char* text = nullptr)
{
    const std::string pattern = LdUiString(id);
    char buffer[512];
    if (text)
        std::snprintf(buffer, sizeof buffer, pattern.c_str(), value, text);
    else
        std::snprintf(buffer, sizeof buffer, pattern.c_str(), value);
    return buffer;
}

// The highest folder above path on the same device.
std::string MountPointOf(const std::filesystem::path& path)
{
    struct stat here {};
    if (::stat(path.c_str(), &here) != 0)
        return path.string();
    std::filesystem::path at = path;
    while (at.has_parent_path() && at.parent_path() != at) {
        struct stat up {};
        if (::stat(at.parent_path().c_str(), &up) != 0 || up.st_dev != here.st_dev)
            break;
        at = at.parent_path();
    }
    return at.string();
}

}  // namespace

uint64_t LdTotalPhysicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? uint64_t(pages) * uint64_t(pageSize) : 0;
}

std::optional<LdDiskFree> LdQueryDiskFree(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::canonical(folder, error);
    struct statvfs fs {};
    if (error || ::statvfs(absolute.c_str(), &fs) != 0)
        return std::nullopt;
    return LdDiskFree{uint64_t(fs.f_bavail) * uint64_t(fs.f_frsize), MountPointOf(absolute)};
}

std::string LdMemoryText(uint64_t totalBytes)
{
    static_assert(sizeof(unsigned long) == sizeof(uint64_t));
    return Formatted(IDS_MEMORY_KB, totalBytes / 1024);
}

std::string LdDiskFreeText(const std::optional<LdDiskFree>& disk)
{
    if (!disk)
        return LdUiString(IDS_UNAVAILABLE);
    return Formatted(IDS_DISK_FREE, disk->freeBytes / 1024, disk->mountPoint.c_str());
}
