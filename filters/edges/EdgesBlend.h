// The blend of a picture towards the background colour through a mask,
// and the soft shadow that the mask's edge casts in one of four directions.
#pragma once

#include "filters/edges/EdgeMask.h"
#include "filters/sdk/PIFilter.h"

#include <cstdint>

struct EdgesColour {
    int32_t plane[3] = {0, 0, 0}; // in the host's plane order; one used for grey
};

// The record's background colour as the planes see it: the components as
// they stand (0..255 from the suite's hosts; a host that scales them to 16
// bits has them brought back to 8), their mean for a grey picture.
EdgesColour ColourOf(const RGBColor& background, int16_t planes);
// Packed red << 16 | green << 8 | blue for the dialog.
uint32_t PackedColour(const RGBColor& background);

// The shadow's offset (column, row) on a picture of width x height.
void ShadowOffset(int32_t shadow, int32_t width, int32_t height, int32_t& dx, int32_t& dy);

// One pixel: the picture byte mixed with the colour by weight m, then,
// where the shadow falls (x >= 0), darkened towards it.
inline int32_t BlendByte(int32_t in, int32_t colour, int32_t m) { return (m * colour + in * (255 - m)) / 255; }
inline int32_t ShadowByte(int32_t out, int32_t colour, int32_t x) { return (x * colour + out * (255 - x) / 2) / 255; }

// The shadow is cast where the mask is mostly colour.
constexpr int32_t kShadowThreshold = 191;

// Row `row` of a filter area of width x height: in and out hold its width
// pixels of planes bytes. The mask is stretched bilinearly over the area;
// blurred is used only with a shadow option.
void BlendRow(const uint8_t* in, uint8_t* out, int32_t planes, int32_t width, int32_t height, int32_t row,
              const EdgeMask& mask, const EdgeMask* blurred, int32_t shadow, const EdgesColour& colour);
