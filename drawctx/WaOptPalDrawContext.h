// The drawing contexts that can show an optimised palette: palette displays
// and true-colour displays.
#pragma once

#include "drawctx/WaDrawContext.h"

class WaOptPalDrawContext : public WaDrawContext {
public:
    WaOptPalDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
        : WaDrawContext(picture, receiver, display)
    {
    }

    int IsGammaSupported() override { return 1; }
    int CanAnimatePalette() override { return 1; }
};
