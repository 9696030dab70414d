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
    void GetDitherTables(int** table, LOGPALETTE** palette);
    void ReleaseDitherTables();

    const LOGPALETTE& OptimizedPalette() const { return optimized_; }

protected:
    void FreePaletteObject();

    ZvdPaletteObj* paletteObj_ = nullptr;
    std::vector<uint8_t> workBlock_;
    LOGPALETTE optimized_;
    LOGPALETTE optionPalette_;
};
