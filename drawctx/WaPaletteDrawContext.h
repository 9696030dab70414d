// Drawing context of displays that realize a hardware palette: the display
// palette holds at most the entries the system leaves free, so larger
// palettes are reduced and the bands' colour table remaps their indices.
#pragma once

#include "drawctx/WaOptPalDrawContext.h"

#include <vector>

class WaPaletteDrawContext : public WaOptPalDrawContext {
public:
    WaPaletteDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
        : WaOptPalDrawContext(picture, receiver, display)
    {
    }

    int PaletteSize() const { return Display().paletteSize; }
    int ReservedEntries() const { return Display().reserved; }
    // Entries the display palette may hold.
    int PaletteRoom() const { return PaletteSize() - ReservedEntries() - 1; }
    // Old index to new index after a reduction; empty when none was needed.
    const std::vector<uint8_t>& Remap() const { return remap_; }

    int PrepareColors() override;
    void PrepareBitmapInfo(const QnRect& r) override;

    // The display palette realized in the window (see ZvWindowServices):
    // in the foreground the window is repainted when the system palette
    // changed or a background realization is still to be made good; in the
    // background the window's colours are brought up to date twice in a
    // row, and the third change repaints it.
    int RealizeForeground(ZvWindow* window) override;
    void RealizeBackground(ZvWindow* window) override;
    // Animation of the display palette's entries live in the window.
    int BeginPaletteAnimation(ZvWindow* window, unsigned first, unsigned count, PALETTEENTRY* out) override;
    int AnimatePalette(ZvWindow* window, unsigned first, unsigned count, const PALETTEENTRY* entries) override;
    void EndPaletteAnimation(ZvWindow* window) override;

protected:
    // Builds the display palette of the effective options (which may fall
    // back); the context is left without one when it cannot be had.
    void BuildPalette();

    std::vector<uint8_t> remap_;
    // Times the window's colours were brought up to date since the last draw.
    int colourUpdates_ = 0;
    bool backgroundPending_ = false;
};
