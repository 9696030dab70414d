#include "drawctx/WaTrueColorDrawContext.h"

#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvWindowServices.h"

int WaTrueColorDrawContext::PrepareColors()
{
    int result = 0;
    const int type = Picture()->type;
    ZV_CDOPT& o = effective_;
    // An animation runs through the colour table, so it needs one.
    if (animating_ && o.colors > 256)
        o = type == WA_TYPE_RGB ? ZvUniformFallback() : ZV_CDOPT(1, 1, 256, ZV_KIND_PICTURE_PALETTE);
    RetryOptimizedPalette();
    if (o.IsOptimized() && (requested_.fastView || fallbackInUse_))
        o = animating_ ? ZvUniformFallback() : DirectFallback();

    if (o.colors <= 256) {
        bool rebuild = changes_.palette || changes_.gamma || changes_.options || !palette_;
        if (!rebuild && o.IsOptimized() && !OptimizedPaletteUsable()) {
            fallbackInUse_ = true;
            o = DirectFallback();
            result |= WA_PC_REDRAW_REST;
            palette_.reset();
        }
        if (rebuild) {
            palette_.reset();
            auto lp = std::make_unique<LOGPALETTE>();
            if (FillDisplayPalette(o, DirectFallback(), *lp)) {
                ApplyGamma(*lp);
                palette_ = std::move(lp);
            }
            result |= WA_PC_REDRAW_REST | WA_PC_ALL_STALE;
        }
    } else {
        palette_.reset();
        if (changes_.gamma)
            result |= WA_PC_ALL_STALE; // the rows carry the gamma
    }
    if (changes_.palette)
        result |= WA_PC_REDRAW_REST | WA_PC_ALL_STALE;
    if (changes_.gamma)
        result |= WA_PC_REDRAW_REST;
    if (animating_)
        result |= WA_PC_ANIMATING;
    return result;
}

void WaTrueColorDrawContext::PrepareBitmapInfo(const QnRect& r)
{
    const ZV_CDOPT& o = EffectiveOptions();
    const int type = Picture()->type;
    if (o.direct)
        SetBandIndices(r, type == WA_TYPE_RGB ? 24 : 8, int(WA::PaletteSizeOf(type)));
    else if (o.colors <= 256)
        SetBandIndices(r, 8, 256);
    else
        SetBandIndices(r, 24, 0);
}

void WaTrueColorDrawContext::CorrectOutputRow(uint8_t* row, int bits, int32_t width)
{
    if (correct_)
        correct_->CorrectRow(row, bits, width);
    ZV_MG gamma;
    GetMonitorGamma(gamma);
    if (bits <= 8 || gamma.IsIdentity())
        return;
    // Rows of colour are blue, green, red.
    const uint8_t* blue = GammaTable(2);
    const uint8_t* green = GammaTable(1);
    const uint8_t* red = GammaTable(0);
    for (int32_t i = 0; i < width; ++i, row += 3) {
        row[0] = blue[row[0]];
        row[1] = green[row[1]];
        row[2] = red[row[2]];
    }
}

int WaTrueColorDrawContext::BeginPaletteAnimation(ZvWindow* window, unsigned first, unsigned count,
                                                  PALETTEENTRY* out)
{
    if (animating_)
        return 0;
    animating_ = true;
    if (EffectiveOptions().colors > 256 || !Drawn()) {
        // Drawn now with a colour table, so that there is one to animate.
        changes_.options = true;
        MarkAllInvalid();
        ZvServices().Invalidate(window, true);
        ZvServices().UpdateNow(window);
    }
    if (!palette_) {
        animating_ = false;
        return 0;
    }
    saved_ = *palette_;
    return int(CopyEntries(first, count, out));
}

int WaTrueColorDrawContext::AnimatePalette(ZvWindow* window, unsigned first, unsigned count,
                                           const PALETTEENTRY* entries)
{
    const unsigned n = animating_ ? SetEntries(first, count, entries) : 0;
    if (n > 0)
        ZvServices().Invalidate(window, false);
    return int(n);
}

void WaTrueColorDrawContext::EndPaletteAnimation(ZvWindow* window)
{
    // Back to the options asked for, which may need no table at all; the
    // window would otherwise keep the animated colours until something
    // else repaints it.
    if (StopAnimation())
        ZvServices().Invalidate(window, false);
}
