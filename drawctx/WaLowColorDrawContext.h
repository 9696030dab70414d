// Drawing context of displays with 8 bits per pixel or fewer and no
// palette: a fixed 16-colour display without gamma or palette animation.
#pragma once

#include "drawctx/WaDrawContext.h"

class WaLowColorDrawContext : public WaDrawContext {
public:
    WaLowColorDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
        : WaDrawContext(picture, receiver, display)
    {
    }

    int IsGammaSupported() override { return 0; }
    // Options the 16 colours can show, and their palette when it changed.
    int PrepareColors() override;
    void PrepareBitmapInfo(const QnRect& r) override;
    int RealizeForeground(ZvWindow*) override { return 0; }
    void RealizeBackground(ZvWindow*) override {}
    int BeginPaletteAnimation(ZvWindow*, unsigned, unsigned, PALETTEENTRY*) override { return 0; }
    int AnimatePalette(ZvWindow*, unsigned, unsigned, const PALETTEENTRY*) override { return 0; }
    void EndPaletteAnimation(ZvWindow*) override {}
    int CanAnimatePalette() override { return 0; }
};
