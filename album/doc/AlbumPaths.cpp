#include "album/doc/AlbumPaths.h"

#include <cctype>
#include <string_view>

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

namespace {

constexpr std::string_view kHere = "./";

} // namespace

std::string StoredRecordPath(const std::string& path, const std::string& base)
{
    if (base.empty() || !path.starts_with(base))
        return path;
    std::string relative = path.substr(base.size());
    if (IsAbsoluteRecordPath(relative) || relative.starts_with(kHere))
        relative.insert(0, kHere);
    return relative;
}

std::string LoadedRecordPath(const std::string& stored, const std::string& base)
{
    if (IsAbsoluteRecordPath(stored))
        return stored;
    // "./" names the album's folder as base does (written before the form
    // above, it meant the same file).
    if (!base.empty() && stored.starts_with(kHere))
        return base + stored.substr(kHere.size());
    return base + stored;
}

std::string AlbumTitleOf(const std::string& albumPath)
{
    std::string name = albumPath.substr(AlbumBaseFolder(albumPath).size());
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos)
        name.resize(dot);
    return name;
}
