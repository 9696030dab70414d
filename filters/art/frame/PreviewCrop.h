// The art module's preview: a 1:1 crop of the filter area, at most
// 180 x 180 pixels, that the user may drag across the image where the host
// serves any rectangle.
#pragma once

#include "filters/frame/FilterModuleState.h"
#include "filters/sdk/PIFilter.h"

inline constexpr int32_t kPreviewCropSide = 180;

// The crop asked at Start (and again while a host delivers it by
// Continue): centred in the filter area.
VBox PreviewCropBox(const Rect& filterRect);

// The crop of a w x h tile now at current, moved by (dx, dy) and kept
// inside the filter area.
VBox MovedCropBox(const Rect& filterRect, const Rect& current, int32_t w, int32_t h, int32_t dx, int32_t dy);

// The fetch routine of every host number: asks the host for the box as it
// is and copies it into the tile's unfiltered and working copies.
int32_t FetchCrop(const VBox& box, PreviewTile& tile);
