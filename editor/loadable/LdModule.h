// The library a task or tool object takes its strings and button bitmap
// from: the resource table of the library file, read once when the editor
// loads it. Objects hold a plain pointer to it (their resource module); the
// editor keeps it for as long as the library stays loaded.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ResourceTable.h"

class CLdModule {
public:
    CLdModule(std::string path, platform::ResourceTable resources);

    // The resources of the library file at path; a damaged table raises
    // QnExcept naming the file.
    static std::unique_ptr<CLdModule> FromFile(const std::string& path);

    const std::string& Path() const { return path_; }
    std::optional<std::string> FindString(int32_t id) const;
    // The bitmap as the resource holds it (a packed DIB); empty when absent.
    std::vector<uint8_t> FindBitmap(int32_t id) const;
    // The icon as the resource holds it (PNG bytes); empty when absent.
    std::vector<uint8_t> FindIcon(int32_t id) const;

private:
    std::vector<uint8_t> FindBytes(const platform::ResourceName& type, int32_t id) const;

    std::string path_;
    platform::ResourceTable resources_;
};
