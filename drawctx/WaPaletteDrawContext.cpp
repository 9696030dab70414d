#include "drawctx/WaPaletteDrawContext.h"

#include "dither/PaletteReduce.h"
#include "drawctx/ZvColorRules.h"

namespace {

constexpr uint8_t PC_RESERVED = 0x01;

} // namespace

int WaPaletteDrawContext::PrepareColors()
{
    int result = 0;
    if (colourUpdates_ > 0) {
        // The colours were only remapped; the rest must be drawn afresh.
        colourUpdates_ = 0;
        result |= WA_PC_REDRAW_REST;
    }
    bool fastFallback = false;
    effective_ = ZvAdjustForPaletteDisplay(effective_, Picture()->type, requested_.fastView, PaletteSize(),
                                           ReservedEntries(), fastFallback);
    const bool optimised = effective_.IsOptimized();
    const bool retry = optimised && fallbackInUse_ && (changes_.bits || changes_.transform);
    RetryOptimizedPalette();
    if (optimised && fallbackInUse_)
        effective_ = ZvUniformFallback();

    bool rebuild = changes_.palette || changes_.options || changes_.gamma || !palette_ || retry;
    if (!rebuild && effective_.IsOptimized() && !OptimizedPaletteUsable()) {
        fallbackInUse_ = true;
        effective_ = ZvUniformFallback();
        rebuild = true;
    }
    if (rebuild) {
        BuildPalette();
        result |= WA_PC_REDRAW_REST | WA_PC_REDRAW_FLAG | WA_PC_ALL_STALE;
    }
    if (animating_)
        result |= WA_PC_ANIMATING;
    return result;
}

void WaPaletteDrawContext::BuildPalette()
{
    palette_.reset();
    auto lp = std::make_unique<LOGPALETTE>();
    if (!FillDisplayPalette(effective_, ZvUniformFallback(), *lp)) {
        remap_.clear();
        return;
    }
    QnReducePalette(*lp, PaletteRoom(), remap_);
    ApplyGamma(*lp);
    if (animating_)
        for (int i = 0; i < lp->palNumEntries; ++i)
            lp->palPalEntry[i].peFlags = PC_RESERVED;
    palette_ = std::move(lp);
}

void WaPaletteDrawContext::PrepareBitmapInfo(const QnRect& r)
{
    SetBandIndices(r, 8, 256);
    if (!remap_.empty())
        for (size_t i = 0; i < 256; ++i)
            band_.table[i] = remap_[i];
}
