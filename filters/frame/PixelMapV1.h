// The version-1 pixel map of displayPixels: the published version-0 map
// followed by the overlay, the mask chain and the mask phase. A host that
// knows only version 0 reads the leading part.
#pragma once

#include "filters/sdk/PIFilter.h"

#include <cstddef>

struct PSPixelMask {
    PSPixelMask* next;
    void* maskData;
    int32_t rowBytes;
    int32_t colBytes;
    int32_t maskDescription;
};

struct PSPixelMapV1 {
    PSPixelMap map;
    void* mat;
    PSPixelMask* masks;
    int32_t maskPhaseRow;
    int32_t maskPhaseCol;
};

static_assert(offsetof(PSPixelMapV1, map) == 0, "a version-1 map starts with the version-0 map");
static_assert(sizeof(PSPixelMask) == 32 && offsetof(PSPixelMask, rowBytes) == 16, "PSPixelMask layout");
static_assert(sizeof(PSPixelMapV1) == 72 && offsetof(PSPixelMapV1, masks) == 56, "PSPixelMapV1 layout");
