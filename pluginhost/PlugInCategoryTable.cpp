#include "pluginhost/PlugInCategoryTable.h"

#include "pluginhost/FixedString.h"

PlugInCategoryTable::PlugInCategoryTable(const std::string& defaultName) : entries_(kStep)
{
    entries_[0].references = 1;
    CopyFixed(entries_[0].name, defaultName);
    inUse_.emplace(FixedView(entries_[0].name), 0);
    used_ = 1;
    FreeEntries(1, kStep);
}

void PlugInCategoryTable::FreeEntries(int32_t from, int32_t to)
{
    for (int32_t i = from; i < to; ++i)
        free_.insert(free_.end(), i);
}

int32_t PlugInCategoryTable::Add(const char* name)
{
    if (!name || !*name) {
        ++entries_[0].references;
        return 0;
    }
    // Compared as it would be stored, so that a long name finds its own entry.
    char wanted[kPlugInCategoryNameSize];
    CopyFixed(wanted, name);
    if (const auto found = inUse_.find(std::string(FixedView(wanted))); found != inUse_.end()) {
        ++entries_[found->second].references;
        return found->second;
    }
    if (free_.empty()) {
        FreeEntries(Capacity(), Capacity() + kStep);
        entries_.resize(entries_.size() + kStep);
    }
    const int32_t index = *free_.begin();
    free_.erase(free_.begin());
    Entry& entry = entries_[index];
    entry.references = 1;
    entry.submenu = nullptr;
    CopyFixed(entry.name, wanted);
    inUse_.emplace(FixedView(entry.name), index);
    ++used_;
    return index;
}

void PlugInCategoryTable::Release(int32_t index)
{
    if (index <= 0 || index >= Capacity() || entries_[index].references <= 0)
        return;
    if (--entries_[index].references > 0)
        return;
    inUse_.erase(std::string(FixedView(entries_[index].name)));
    entries_[index] = Entry{};
    free_.insert(index);
    --used_;
    if (used_ == 1) {
        entries_.resize(kStep);
        free_.clear();
        FreeEntries(1, kStep);
    }
}

bool PlugInCategoryTable::InUse(int32_t index) const
{
    return index >= 0 && index < Capacity() && entries_[index].references > 0;
}

int32_t PlugInCategoryTable::References(int32_t index) const
{
    return index >= 0 && index < Capacity() ? entries_[index].references : 0;
}

const char* PlugInCategoryTable::Name(int32_t index) const
{
    return InUse(index) ? entries_[index].name : nullptr;
}

PlugInMenu* PlugInCategoryTable::Submenu(int32_t index) const
{
    return index >= 0 && index < Capacity() ? entries_[index].submenu : nullptr;
}

void PlugInCategoryTable::SetSubmenu(int32_t index, PlugInMenu* submenu)
{
    if (index >= 0 && index < Capacity())
        entries_[index].submenu = submenu;
}
