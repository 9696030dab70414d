#include "pluginhost/PlugInCatalogue.h"

#include "pluginhost/FixedString.h"
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInMenu.h"

#include <algorithm>
#include <cstring>

namespace {

Handle DuplicateIfValid(Handle h)
{
    if (!IsValidHostHandle(h))
        return nullptr;
    Handle copy = DuplicateHandleBlock(h);
    if (!copy)
        throw std::bad_alloc();
    return copy;
}

} // namespace

PlugInCatalogue::PlugInCatalogue() : categories_(FxgateRc()(IDS_PI_CATEGORY_OTHER)) {}

PlugInCatalogue::~PlugInCatalogue() = default;

PlugInCatalogue::Entry* PlugInCatalogue::FindEntry(uint32_t id) const
{
    if (id == 0)
        return nullptr;
    for (const auto& entry : entries_)
        if (entry->record.id == id)
            return entry.get();
    return nullptr;
}

const PlugInRecord* PlugInCatalogue::FindById(uint32_t id) const
{
    const Entry* entry = FindEntry(id);
    return entry ? &entry->record : nullptr;
}

uint32_t PlugInCatalogue::AddRecord(const PlugInRecord& record)
{
    auto entry = std::make_unique<Entry>();
    entry->record = record;
    entry->record.id = nextId_;
    entries_.push_back(std::move(entry));
    return nextId_++;
}

void PlugInCatalogue::Remove(size_t index)
{
    categories_.Release(entries_[index]->record.category);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void PlugInCatalogue::RemoveIf(const std::function<bool(const PlugInRecord&)>& doomed)
{
    for (size_t i = entries_.size(); i-- > 0;)
        if (doomed(entries_[i]->record))
            Remove(i);
}

void PlugInCatalogue::RemoveByPath(std::string_view path)
{
    RemoveIf([&](const PlugInRecord& r) { return FixedView(r.path) == path; });
}

void PlugInCatalogue::RemoveById(uint32_t id)
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i]->record.id == id) {
            Remove(i);
            return;
        }
    }
}

int32_t PlugInCatalogue::IdByName(std::string_view name) const
{
    for (const auto& entry : entries_)
        if (FixedView(entry->record.name) == name)
            return static_cast<int32_t>(entry->record.id);
    return -1;
}

int32_t PlugInCatalogue::IdByMenuId(uint32_t menuId) const
{
    for (const auto& entry : entries_)
        if (entry->record.menuId == menuId)
            return static_cast<int32_t>(entry->record.id);
    return -1;
}

int32_t PlugInCatalogue::IdByEntry(std::string_view path, std::string_view entryName) const
{
    for (const auto& entry : entries_)
        if (FixedView(entry->record.path) == path && FixedView(entry->record.entry) == entryName)
            return static_cast<int32_t>(entry->record.id);
    return -1;
}

int32_t PlugInCatalogue::GetName(uint32_t id, char* buffer, int32_t* length) const
{
    const PlugInRecord* record = FindById(id);
    if (!record || !length)
        return 0;
    const std::string_view name = FixedView(record->name);
    if (!buffer) {
        *length = static_cast<int32_t>(name.size()) + 1;
        return 1;
    }
    if (*length < 1)
        return 0;
    const size_t room = static_cast<size_t>(*length) - 1;
    size_t n = std::min(name.size(), room);
    std::memcpy(buffer, name.data(), n);
    if (n > 3 && name.substr(n - 3, 3) == "...")
        n -= 3;
    buffer[n] = '\0';
    return 1;
}

void PlugInCatalogue::SetMenuId(uint32_t id, uint32_t menuId)
{
    if (Entry* entry = FindEntry(id))
        entry->record.menuId = menuId;
}

Handle PlugInCatalogue::GetParameters(uint32_t id) const
{
    const Entry* entry = FindEntry(id);
    return entry ? entry->parameters.Duplicate() : nullptr;
}

Handle PlugInCatalogue::GetData(uint32_t id) const
{
    const Entry* entry = FindEntry(id);
    return entry ? entry->data.Duplicate() : nullptr;
}

void PlugInCatalogue::SetParameters(uint32_t id, Handle h)
{
    if (Entry* entry = FindEntry(id))
        entry->parameters.Reset(DuplicateIfValid(h));
}

void PlugInCatalogue::SetData(uint32_t id, Handle h)
{
    if (Entry* entry = FindEntry(id))
        entry->data.Reset(DuplicateIfValid(h));
}
