// The mask gallery: five groups, each a tab of the "Edge style" dialog,
// whose items name the mask bitmaps of the module by resource number.
#pragma once

#include <cstdint>
#include <span>

struct MaskItem {
    int32_t resource; // the mask bitmap's number, also the item's number
    const char* name;
};

struct MaskGroup {
    const char* name;
    std::span<const MaskItem> items;
};

// The groups in tab order.
std::span<const MaskGroup> MaskCatalogue();

// Every mask bitmap the module carries, including 190, which no item names.
std::span<const int32_t> MaskResources();
