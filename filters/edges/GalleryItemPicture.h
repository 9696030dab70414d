// The picture of one gallery item: the thumbnail scaled (nearest) to fit an
// area with its proportions, blended through the item's mask sampled the
// same way, with the filter's colour and shadow rules; the shadow is taken
// from the mask itself, not from a blurred copy.
#pragma once

#include "filters/edges/EdgeMask.h"
#include "filters/edges/EdgesBlend.h"
#include "filters/edges/Thumbnail.h"

#include <cstdint>
#include <vector>

struct ItemPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb; // rows from the top, 3 bytes a pixel in the thumbnail's plane order
};

ItemPicture RenderItemPicture(const Thumbnail& thumbnail, const EdgeMask& mask, const EdgesColour& colour,
                              int32_t shadow, int32_t areaWidth, int32_t areaHeight);
