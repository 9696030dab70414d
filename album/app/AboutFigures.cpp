#include "album/app/AboutFigures.h"

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "album/doc/AlbumRcStr.h"

namespace {

std::string FormatKB(int id, uint64_t bytes, const std::string& where = {})
{
    char text[4200];
    std::snprintf(text, sizeof text, OvAlbumRcStr()(id).c_str(), static_cast<unsigned long>(bytes >> 10),
                  where.c_str());
    return text;
}

// The top of the mount that holds folder: the last folder up the path that
// is still on the same device.
std::string MountPointOf(const std::string& folder)
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::canonical(folder, error);
    struct stat here {};
    if (error || ::stat(path.c_str(), &here) != 0)
        return folder;
    for (std::filesystem::path up = path.parent_path(); up != path; up = path.parent_path()) {
        struct stat parent {};
        if (::stat(up.c_str(), &parent) != 0 || parent.st_dev != here.st_dev)
            break;
        path = up;
    }
    return path.string();
}

}  // namespace

uint64_t TotalPhysicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? uint64_t(pages) * uint64_t(pageSize) : 0;
}

std::optional<FreeDiskSpace> ReadFreeDiskSpace(const std::string& folder)
{
    struct statvfs fs {};
    if (folder.empty() || ::statvfs(folder.c_str(), &fs) != 0)
        return std::nullopt;
    // In 64 bits: disks hold more than the 4 GB a 32-bit product reaches.
    return FreeDiskSpace{uint64_t(fs.f_bavail) * uint64_t(fs.f_frsize), MountPointOf(folder)};
}

std::string PhysicalMemoryText(uint64_t bytes)
{
    return FormatKB(IDS_PHYSICAL_MEMORY, bytes);
}

std::string FreeDiskText(const std::optional<FreeDiskSpace>& space)
{
    if (!space)
        return OvAlbumRcStr()(IDS_DISK_UNAVAILABLE);
    return FormatKB(IDS_FREE_DISK, space->bytes, space->mountPoint);
}
