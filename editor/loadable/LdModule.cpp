#include "editor/loadable/LdModule.h"

#include "platform/ResourceName.h"

CLdModule::CLdModule(std::string path, platform::ResourceTable resources)
    : path_(std::move(path)), resources_(std::move(resources))
{
}

std::unique_ptr<CLdModule> CLdModule::FromFile(const std::string& path)
{
    return std::make_unique<CLdModule>(path, platform::ResourceTable::FromFile(path));
}

std::optional<std::string> CLdModule::FindString(int32_t id) const
{
    if (id < 0)
        return std::nullopt;
    return resources_.FindString(uint32_t(id));
}

std::vector<uint8_t> CLdModule::FindBitmap(int32_t id) const
{
    return FindBytes(platform::ResourceType::Bitmap, id);
}

std::vector<uint8_t> CLdModule::FindIcon(int32_t id) const
{
    return FindBytes(platform::ResourceName("ICON"), id);
}

std::vector<uint8_t> CLdModule::FindBytes(const platform::ResourceName& type, int32_t id) const
{
    if (id < 0)
        return {};
    auto bytes = resources_.Find(type, uint32_t(id));
    if (!bytes)
        return {};
    return {bytes->begin(), bytes->end()};
}
