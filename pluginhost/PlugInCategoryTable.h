// The categories of the catalogued plug-ins, counted by reference. Entry 0
// is the default category ("Other"), whose one reference is never released.
#pragma once

#include "pluginhost/PlugInRecord.h"

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class PlugInMenu;

class PlugInCategoryTable {
public:
    explicit PlugInCategoryTable(const std::string& defaultName);

    // Index of the category of that name, with one more reference; a null
    // or empty name gives the default entry.
    int32_t Add(const char* name);
    // Drops one reference of a category; the default entry stays.
    void Release(int32_t index);

    int32_t Capacity() const { return static_cast<int32_t>(entries_.size()); }
    int32_t UsedCount() const { return used_; }
    bool InUse(int32_t index) const;
    int32_t References(int32_t index) const;
    // Name of a category in use, or null.
    const char* Name(int32_t index) const;

    // The submenu built for a category (menus of the plug-in host).
    PlugInMenu* Submenu(int32_t index) const;
    void SetSubmenu(int32_t index, PlugInMenu* submenu);

    static constexpr int32_t kStep = 5;

private:
    struct Entry {
        int32_t references = 0;
        PlugInMenu* submenu = nullptr;
        char name[kPlugInCategoryNameSize] = {};
    };

    void FreeEntries(int32_t from, int32_t to);

    std::vector<Entry> entries_;
    int32_t used_ = 0;
    // So that a catalogue of many categories is read in linear time: the
    // entry in use of each name (names in use are distinct, so the search
    // from the last entry finds the one there is), and the free entries,
    // lowest first.
    std::unordered_map<std::string, int32_t> inUse_;
    std::set<int32_t> free_;
};
