#include "pluginhost/PlugInCategoryTable.h"

#include "pluginhost/FixedString.h"

PlugInCategoryTable::PlugInCategoryTable(const std::string& defaultName) : entries_(kStep)
{
    entries_[0].references = 1;
    CopyFixed(entries_[0].name, defaultName);
    used_ = 1;
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
    for (int32_t i = Capacity() - 1; i >= 0; --i) {
        Entry& entry = entries_[i];
        if (entry.references > 0 && FixedView(entry.name) == FixedView(wanted)) {
            ++entry.references;
            return i;
        }
    }
    int32_t index = -1;
    for (int32_t i = 0; i < Capacity() && index < 0; ++i)
        if (entries_[i].references == 0)
            index = i;
    if (index < 0) {
        index = Capacity();
        entries_.resize(entries_.size() + kStep);
    }
    Entry& entry = entries_[index];
    entry.references = 1;
    entry.submenu = nullptr;
    CopyFixed(entry.name, wanted);
    ++used_;
    return index;
}

void PlugInCategoryTable::Release(int32_t index)
{
    if (index <= 0 || index >= Capacity() || entries_[index].references <= 0)
        return;
    if (--entries_[index].references > 0)
        return;
    entries_[index] = Entry{};
    --used_;
    if (used_ == 1)
        entries_.resize(kStep);
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
