// Drawing context of displays that realize a hardware palette.
#pragma once

#include "drawctx/WaOptPalDrawContext.h"

class WaPaletteDrawContext : public WaOptPalDrawContext {
public:
    WaPaletteDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
        : WaOptPalDrawContext(picture, receiver, display)
    {
    }

    int PaletteSize() const { return Display().paletteSize; }
    int ReservedEntries() const { return Display().reserved; }

    int RealizeForeground(ZvWindow*) override { return 0; }
    void RealizeBackground(ZvWindow*) override {}
    int BeginPaletteAnimation(ZvWindow*, unsigned, unsigned, PALETTEENTRY*) override { return 0; }
    int AnimatePalette(ZvWindow*, unsigned, unsigned, const PALETTEENTRY*) override { return 0; }
    void EndPaletteAnimation(ZvWindow*) override {}
};
