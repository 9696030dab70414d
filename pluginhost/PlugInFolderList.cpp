#include "pluginhost/PlugInFolderList.h"

#include <algorithm>

bool PlugInFolderList::Add(std::string_view folder)
{
    if (folder.empty() || folder.size() > kMaxLength || folder.find('\0') != std::string_view::npos)
        return false;
    folders_.emplace_back(folder);
    return true;
}

bool PlugInFolderList::Contains(std::string_view folder) const
{
    return std::find(folders_.begin(), folders_.end(), folder) != folders_.end();
}

bool PlugInFolderList::ContainsIgnoringCase(std::string_view folder) const
{
    // Byte-wise ASCII case folding, independent of the locale.
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::any_of(folders_.begin(), folders_.end(), [&](const std::string& f) {
        return f.size() == folder.size() &&
               std::equal(f.begin(), f.end(), folder.begin(), [&](char a, char b) { return lower(a) == lower(b); });
    });
}
