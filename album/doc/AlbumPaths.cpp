#include "album/doc/AlbumPaths.h"

#include <cctype>

std::string AlbumBaseFolder(const std::string& albumPath)
{
    const auto slash = albumPath.find_last_of('/');
    return slash == std::string::npos ? std::string() : albumPath.substr(0, slash + 1);
}

bool IsAbsoluteRecordPath(const std::string& path)
{
    if (path.starts_with('/') || path.starts_with("\\\\"))
        return true;
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

std::string StoredRecordPath(const std::string& path, const std::string& base)
{
    if (!base.empty() && path.starts_with(base))
        return path.substr(base.size());
    return path;
}

std::string LoadedRecordPath(const std::string& stored, const std::string& base)
{
    return IsAbsoluteRecordPath(stored) ? stored : base + stored;
}

std::string AlbumTitleOf(const std::string& albumPath)
{
    std::string name = albumPath.substr(AlbumBaseFolder(albumPath).size());
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos)
        name.resize(dot);
    return name;
}
