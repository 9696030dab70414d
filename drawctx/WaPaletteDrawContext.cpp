#include "drawctx/WaPaletteDrawContext.h"

#include "dither/PaletteReduce.h"
#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvWindowServices.h"

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

int WaPaletteDrawContext::RealizeForeground(ZvWindow* window)
{
    if (!palette_)
        return 0;
    const int changed = ZvServices().RealizePalette(window, *palette_, false);
    if (changed < 0)
        return 0;
    if (changed > 0 || backgroundPending_) {
        ZvServices().Invalidate(window, true);
        backgroundPending_ = false;
    }
    return 1;
}

void WaPaletteDrawContext::RealizeBackground(ZvWindow* window)
{
    backgroundPending_ = true;
    if (!palette_ || ZvServices().RealizePalette(window, *palette_, true) <= 0)
        return;
    if (colourUpdates_ < 2 && !animating_) {
        ++colourUpdates_;
        if (!SendUpdateColors())
            ZvServices().UpdateColors(window);
        return;
    }
    // Remapped colours drift further from the picture with every update,
    // and an animated palette cannot be remapped at all: repaint.
    ZvServices().Invalidate(window, false);
    colourUpdates_ = 0;
}

int WaPaletteDrawContext::BeginPaletteAnimation(ZvWindow* window, unsigned first, unsigned count, PALETTEENTRY* out)
{
    if (animating_)
        return 0;
    // Every entry becomes animatable: the palette is built anew with them
    // marked so, and the window painted with it in the foreground before
    // the first change.
    animating_ = true;
    changes_.options = true;
    MarkAllInvalid();
    ZvServices().Activate(window);
    ZvServices().Invalidate(window, true);
    ZvServices().UpdateNow(window);
    ZvServices().RestoreActivation(window);
    if (!palette_) {
        animating_ = false;
        return 0;
    }
    saved_ = *palette_;
    return int(CopyEntries(first, count, out));
}

int WaPaletteDrawContext::AnimatePalette(ZvWindow* window, unsigned first, unsigned count,
                                         const PALETTEENTRY* entries)
{
    const unsigned n = animating_ ? SetEntries(first, count, entries) : 0;
    if (n > 0)
        ZvServices().AnimateEntries(window, first, n, palette_->palPalEntry + first);
    return int(n);
}

void WaPaletteDrawContext::EndPaletteAnimation(ZvWindow* window)
{
    if (StopAnimation())
        ZvServices().Invalidate(window, true);
}
