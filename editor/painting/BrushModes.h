// The per-pixel rules of the brush modes, one dab over one area at a time.
// Colour pixels are three bytes (blue, green, red), grey pixels one; a
// colour is given in the pixels' own byte order (for grey, one level).
#pragma once

#include "platform/WinRand.h"

#include <cstddef>
#include <cstdint>

enum BrushMode : int32_t {
    BRUSH_COLOR = 0,
    BRUSH_AIR = 1,
    BRUSH_SMUDGE = 2,
    BRUSH_LIGHTER = 3,
    BRUSH_DARKER = 4,
};

// One area of a picture tile under one dab: pixel (i, j) of the area is at
// pixels + j * pixelStride + i * bytes a pixel; its selection value at
// selection + j * selectionStride + i; its dab coverage at
// mask + j * maskStride + i (maskStride is negative for bottom-up dabs).
struct DabArea {
    uint8_t* pixels;
    ptrdiff_t pixelStride;
    const uint8_t* selection;
    ptrdiff_t selectionStride;
    const uint8_t* mask;
    ptrdiff_t maskStride;
    int32_t width;
    int32_t height;
    int32_t bytesPerPixel;
};

// smooth 0 is the hard brush (only fully covered pixels change); above 0 the
// coverage weighs in.
void BrushDabColor(const DabArea& area, const uint8_t* colour, int32_t smooth);
// Sprays colour over a share of the pixels the dab reaches, drawing one
// number of rand for every pixel it tests.
void BrushDabAir(const DabArea& area, const uint8_t* colour, int32_t smooth, platform::WinRand& rand);
// Brightens (step +1) or darkens (step -1) every channel by 5, or by up to 5
// by coverage when soft.
void BrushDabShade(const DabArea& area, int32_t step, int32_t smooth);

// Smudge over one dab square of width x height: out takes source pulled up
// to one pixel back along (dx, dy), more where the dab covers more. The dab
// rows are read in stored order. Pixels outside the selection, or not
// covered, are copied.
struct SmudgeRows {
    const uint8_t* source;
    ptrdiff_t sourceStride;
    const uint8_t* selection;
    ptrdiff_t selectionStride;
    uint8_t* out;
    ptrdiff_t outStride;
    const uint8_t* mask;
    ptrdiff_t maskStride;
    int32_t width;
    int32_t height;
    int32_t bytesPerPixel;
};
void BrushDabSmudge(const SmudgeRows& rows, int32_t dx, int32_t dy);
