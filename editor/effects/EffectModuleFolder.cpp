#include "editor/effects/EffectModuleFolder.h"

#include "platform/ProgramLocation.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <mutex>

namespace {

std::mutex& FolderMutex()
{
    static std::mutex m;
    return m;
}

std::string& FolderOverride()
{
    static std::string folder;
    return folder;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string EffectModuleFolder()
{
    std::lock_guard lock(FolderMutex());
    return FolderOverride().empty() ? platform::ProgramLocation::ProgramFolder() : FolderOverride();
}

void SetEffectModuleFolder(const std::string& folder)
{
    std::lock_guard lock(FolderMutex());
    FolderOverride() = folder;
}

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exact = fs::path(folder) / name;
    if (fs::is_regular_file(exact, ec))
        return exact.string();
    // Several files may differ only in case; the first in name order wins,
    // so the choice does not depend on the directory's order.
    std::string found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (EqualIgnoringCase(candidate, name) && it->is_regular_file(ec) &&
            (found.empty() || it->path().string() < found))
            found = it->path().string();
    }
    return found;
}

std::string ResolveEffectModule(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return name;
    const std::string folder = EffectModuleFolder();
    const std::string found = FindFileIgnoringCase(folder, name);
    return found.empty() ? (std::filesystem::path(folder) / name).string() : found;
}
