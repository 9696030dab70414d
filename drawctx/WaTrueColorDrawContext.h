// Drawing context of displays with more than 8 bits per pixel and no
// palette.
#pragma once

#include "drawctx/WaOptPalDrawContext.h"

class WaTrueColorDrawContext : public WaOptPalDrawContext {
public:
    WaTrueColorDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
        : WaOptPalDrawContext(picture, receiver, display)
    {
    }

    int Depth() const { return Display().bitsPerPixel; }
    // Where an optimised palette is slow or cannot be had: direct colour.
    static ZV_CDOPT DirectFallback() { return ZV_CDOPT(1, 0, 16777216, 1); }

    int PrepareColors() override;
    void PrepareBitmapInfo(const QnRect& r) override;

    // The client's correction first, then the monitor gamma on rows of
    // colour (palettes carry it for indexed rows).
    void CorrectOutputRow(uint8_t* row, int bits, int32_t width) override;

    // No palette to realize.
    int RealizeForeground(ZvWindow*) override { return 0; }
    void RealizeBackground(ZvWindow*) override {}
    // Animation through the colour table of the bands: the window is drawn
    // with at most 256 colours while it runs (see PrepareColors), and each
    // change repaints it with the changed table.
    int BeginPaletteAnimation(ZvWindow* window, unsigned first, unsigned count, PALETTEENTRY* out) override;
    int AnimatePalette(ZvWindow* window, unsigned first, unsigned count, const PALETTEENTRY* entries) override;
    void EndPaletteAnimation(ZvWindow* window) override;
};
