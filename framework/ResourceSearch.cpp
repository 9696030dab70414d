#include "framework/ResourceSearch.h"

#include <algorithm>

#include "base/QnExcept.h"
#include "framework/ResourceException.h"
#include "platform/ProgramLocation.h"

namespace fw {

ResourceSearch& ResourceSearch::Get()
{
    static ResourceSearch search;
    return search;
}

void ResourceSearch::SetProgramResources(platform::ResourceTable table)
{
    std::lock_guard lock(mutex_);
    program_ = std::move(table);
}

void ResourceSearch::AddModuleResources(std::string name, platform::ResourceTable table)
{
    std::lock_guard lock(mutex_);
    modules_.push_back({std::move(name), std::move(table)});
}

void ResourceSearch::RemoveModuleResources(const std::string& name)
{
    std::lock_guard lock(mutex_);
    std::erase_if(modules_, [&](const Module& module) { return module.name == name; });
}

std::optional<std::vector<uint8_t>> ResourceSearch::Find(const platform::ResourceName& type,
                                                         const platform::ResourceName& id)
{
    std::lock_guard lock(mutex_);
    if (!program_) {
        try {
            program_ = platform::ResourceTable::FromFile(platform::ProgramLocation::ProgramPath());
        } catch (const QnExcept& error) {
            throw ResourceException(std::string("The program's resources cannot be read: ") + error.what());
        }
    }
    const auto copy = [](std::span<const uint8_t> bytes) { return std::vector<uint8_t>(bytes.begin(), bytes.end()); };
    if (auto bytes = program_->Find(type, id))
        return copy(*bytes);
    for (const Module& module : modules_)
        if (auto bytes = module.table.Find(type, id))
            return copy(*bytes);
    return std::nullopt;
}

}  // namespace fw
