#include "platform/ResourceStringSource.h"

namespace platform {

std::shared_ptr<const ResourceStringSource> ResourceStringSource::FromFile(const std::string& path)
{
    return std::make_shared<ResourceStringSource>(ResourceTable::FromFile(path));
}

bool ResourceStringSource::Find(int id, std::string& text) const
{
    if (id < 0)
        return false;
    std::optional<std::string> found = resources_.FindString(uint32_t(id));
    if (found)
        text = std::move(*found);
    return found.has_value();
}

} // namespace platform
