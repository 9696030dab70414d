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
