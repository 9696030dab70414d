#include "album/doc/AlbumScanStore.h"

#include <filesystem>

#include "album/doc/AlbumPaths.h"

std::string ScanStoreFolder(const std::string& scanFolder, const std::string& baseFolder)
{
    std::string folder = IsAbsoluteRecordPath(scanFolder) ? scanFolder : baseFolder + scanFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string FreeScanFileName(const std::string& folder, const std::string& extension, int32_t tries)
{
    for (int32_t n = 0; n < tries; ++n) {
        const std::string name = folder + "TW_" + std::to_string(n) + "." + extension;
        std::error_code error;
        if (!std::filesystem::exists(name, error) && !error)
            return name;
    }
    return {};
}
