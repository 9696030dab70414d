// The drawing contexts that can show an optimised palette: palette displays
// and true-colour displays. They keep the dithering library's palette
// object, whose table maps colours to the last optimised palette.
#pragma once

#include "dither/ZvDither.h"
#include "drawctx/WaDrawContext.h"

#include <vector>

class WaOptPalDrawContext : public WaDrawContext {
public:
    WaOptPalDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display);
    ~WaOptPalDrawContext() override;

    int IsGammaSupported() override { return 1; }
    int CanAnimatePalette() override { return 1; }

    // Makes the optimised palette of colours entries (clamped to 16..256)
    // from every pixel of the picture into out and keeps a copy; false when
    // the dithering library cannot, with its object freed.
    bool MakeOptimizedPalette(uint32_t colours, LOGPALETTE& out);
    // The tables of a draw: for an optimised palette its colour table and
    // the kept palette (zvdrawerror when the table is gone), else no table
    // and the palette of the option.
    void GetDitherTables(int** table, LOGPALETTE** palette) override;
    void ReleaseDitherTables() override;

    const LOGPALETTE& OptimizedPalette() const { return optimized_; }
    // Whether an optimised palette was given up for the fallback, until the
    // options, the bits or the transform change.
    bool FallbackInUse() const { return fallbackInUse_; }
    bool Animating() const { return animating_; }

protected:
    // Entries first..first + count - 1 of the display palette, as far as it
    // has them, into out, or from entries into it; answer how many.
    unsigned CopyEntries(unsigned first, unsigned count, PALETTEENTRY* out) const;
    unsigned SetEntries(unsigned first, unsigned count, const PALETTEENTRY* entries);
    // Ends a running animation: the saved entries back, the options asked
    // for settled again at the next draw, everything stale. False when none
    // runs.
    bool StopAnimation();

    void FreePaletteObject();
    // Whether the kept optimised palette can still be drawn with.
    bool OptimizedPaletteUsable();
    // Forgets a fallback once what made it necessary may have changed.
    void RetryOptimizedPalette();
    // The display palette of options into out: the picture's own entries,
    // the optimised palette, or the option's palette. An optimised palette
    // that cannot be made turns options into fallback. False when no
    // palette can be had.
    bool FillDisplayPalette(ZV_CDOPT& options, const ZV_CDOPT& fallback, LOGPALETTE& out);

    bool fallbackInUse_ = false;
    bool animating_ = false;
    // The display palette as it was when an animation began.
    LOGPALETTE saved_;

    ZvdPaletteObj* paletteObj_ = nullptr;
    std::vector<uint8_t> workBlock_;
    LOGPALETTE optimized_;
};
