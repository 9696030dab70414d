// Where the framework finds a resource by type and id: in the program's own
// resources first, then in those of each module added, in the order they
// were added. A program so overrides what its libraries and modules carry,
// and a module finds the program's menus and strings by id.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/ResourceName.h"
#include "platform/ResourceTable.h"

namespace fw {

class ResourceSearch {
public:
    // The search of the process.
    static ResourceSearch& Get();

    // The program's resources. Until they are set, they are read from the
    // program file when first searched.
    void SetProgramResources(platform::ResourceTable table);
    // A module's resources, searched after the program's and those added
    // before; name identifies the module to RemoveModuleResources.
    void AddModuleResources(std::string name, platform::ResourceTable table);
    void RemoveModuleResources(const std::string& name);

    // The bytes of the first resource of type and id; none when no table
    // holds it. A program file whose resources cannot be read raises
    // ResourceException naming it.
    std::optional<std::vector<uint8_t>> Find(const platform::ResourceName& type, const platform::ResourceName& id);

private:
    struct Module {
        std::string name;
        platform::ResourceTable table;
    };

    std::mutex mutex_;
    std::optional<platform::ResourceTable> program_;
    std::vector<Module> modules_;
};

}  // namespace fw
