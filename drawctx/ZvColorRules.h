// Which options suit a picture type and a display: the natural options of a
// picture, the effective options a draw settles from the requested ones,
// and whether an option is slow on a display.
#pragma once

#include "drawctx/ZvDisplay.h"
#include "drawctx/ZvOptions.h"

// The options natural for a picture type, with fast view on.
ZV_CDOPTFV ZvNaturalOptions(int waType);

// The options a draw uses for a picture of waType: an optimised palette with
// at least as many colours as the picture's palette shows the palette
// itself, and a direct option becomes the picture's own form.
ZV_CDOPT ZvEffectiveOptions(const ZV_CDOPT& requested, int waType);

// Non-zero when a faster substitute for options exists on the display,
// which means the option is slow there.
int ZvIsFastDrawAllowed(const ZvDisplay& display, int waType, const ZV_CDOPT& options);

// The 6x6x6 uniform palette with Bayer dithering: what an optimised palette
// falls back to where it cannot be had or would be slow.
inline ZV_CDOPT ZvUniformFallback() { return ZV_CDOPT(1, 0, 216, 2 * 8 | 5); }

// The effective options of a palette display with paletteSize entries of
// which reserved belong to the system. usedFallback tells whether the
// optimised palette was given up for the uniform one.
ZV_CDOPT ZvAdjustForPaletteDisplay(const ZV_CDOPT& effective, int waType, int fastView, int paletteSize,
                                   int reserved, bool& usedFallback);
// The effective options of a 16-colour display.
ZV_CDOPT ZvAdjustForLowColorDisplay(const ZV_CDOPT& effective);

// Whether options are valid at all, and (supported) whether the display
// shows them as they are.
int ZvIsOptionAvailable(const ZvDisplay& display, int waType, const ZV_CDOPT& options, int& supported);

// One row of the depth list of the colour options: the depth codes 1 to 16.
struct ZvDepthRow {
    int code;
    int color;
    int direct;
    uint32_t kind;
    uint32_t least;
    uint32_t most;
    uint32_t current; // process state: the number the user chose last
};
// The row of code (1..16), or null.
ZvDepthRow* ZvDepthTableRow(int code);
// Stores colours as the row's current number, clamped into least..most;
// answers the value kept.
uint32_t ZvSetDepthCurrent(int code, uint32_t colours);
