#include "drawctx/WaLowColorDrawContext.h"

#include "drawctx/ZvColorRules.h"

int WaLowColorDrawContext::PrepareColors()
{
    effective_ = ZvAdjustForLowColorDisplay(effective_);
    if (!changes_.options && !changes_.palette && palette_)
        return 0;
    palette_.reset();
    auto lp = std::make_unique<LOGPALETTE>();
    if (FillOptionPalette(effective_, *lp))
        palette_ = std::move(lp);
    return WA_PC_REDRAW_REST | WA_PC_ALL_STALE;
}

void WaLowColorDrawContext::PrepareBitmapInfo(const QnRect& r)
{
    SetBandIndices(r, 8, 256);
    for (size_t i = 16; i < 256; ++i)
        band_.table[i] = 0;
}
