#include "drawctx/WaOptPalDrawContext.h"

#include "drawctx/ZvExcept.h"
#include "drawctx/zvwa/WAConv.h"
#include "drawctx/zvwa/WAPIX.h"

#include <algorithm>

WaOptPalDrawContext::WaOptPalDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
    : WaDrawContext(picture, receiver, display)
{
}

WaOptPalDrawContext::~WaOptPalDrawContext() { FreePaletteObject(); }

unsigned WaOptPalDrawContext::CopyEntries(unsigned first, unsigned count, PALETTEENTRY* out) const
{
    if (!palette_ || !out || first >= palette_->palNumEntries)
        return 0;
    const unsigned n = std::min<unsigned>(count, palette_->palNumEntries - first);
    std::copy_n(palette_->palPalEntry + first, n, out);
    return n;
}

unsigned WaOptPalDrawContext::SetEntries(unsigned first, unsigned count, const PALETTEENTRY* entries)
{
    if (!palette_ || !entries || first >= palette_->palNumEntries)
        return 0;
    const unsigned n = std::min<unsigned>(count, palette_->palNumEntries - first);
    for (unsigned i = 0; i < n; ++i) {
        // The entry keeps its flags: an animated palette stays marked so.
        PALETTEENTRY& e = palette_->palPalEntry[first + i];
        e.peRed = entries[i].peRed;
        e.peGreen = entries[i].peGreen;
        e.peBlue = entries[i].peBlue;
    }
    return n;
}

bool WaOptPalDrawContext::StopAnimation()
{
    if (!animating_)
        return false;
    animating_ = false;
    if (palette_)
        *palette_ = saved_;
    changes_.options = true;
    MarkAllInvalid();
    return true;
}

void WaOptPalDrawContext::FreePaletteObject()
{
    if (!paletteObj_)
        return;
    ZvdReleaseTable(paletteObj_);
    ZvdFreePalette(paletteObj_);
    paletteObj_ = nullptr;
}

bool WaOptPalDrawContext::MakeOptimizedPalette(uint32_t colours, LOGPALETTE& out)
{
    const int n = int(std::clamp<uint32_t>(colours, 16, 256));
    FreePaletteObject();
    paletteObj_ = ZvdCreatePalette();
    int* table = ZvdGetTable(paletteObj_);
    if (!table) {
        FreePaletteObject();
        return false;
    }
    if (workBlock_.empty())
        workBlock_.assign(ZVD_WORK_BLOCK, 0);

    WA* wa = Picture();
    PALETTEENTRY palette[256] = {};
    wa->GetPaletteEntries(0, 256, palette);
    std::vector<uint8_t> bgr(size_t(wa->width) * 3);
    const WAPIX pix(wa, WAPIX_READ);
    for (int y = 0; y < wa->height; ++y) {
        const uint8_t* row = pix.GetAccessToRow(y);
        const uint8_t* colour = bgr.data();
        switch (wa->type) {
        case WA_TYPE_1BIT: WA_Conv_1_To_RGB(row, 0, wa->width, bgr.data()); break;
        case WA_TYPE_4BIT: WA_Conv_4_To_RGB(row, 0, wa->width, bgr.data(), palette); break;
        case WA_TYPE_8BIT: WA_Conv_8_To_RGB(row, 0, wa->width, bgr.data(), palette); break;
        case WA_TYPE_GRAY: WA_Conv_Gray_To_RGB(row, 0, wa->width, bgr.data()); break;
        default: colour = row; break;
        }
        ZvdCountRow(colour, wa->width, table);
    }
    const int count = ZvdColorsToMake(table, workBlock_.data(), n);
    if (!ZvdMakePalette(table, &out, workBlock_.data(), count)) {
        workBlock_.clear();
        FreePaletteObject();
        return false;
    }
    optimized_ = out;
    return true;
}

void WaOptPalDrawContext::GetDitherTables(int** table, LOGPALETTE** palette)
{
    if (EffectiveOptions().IsOptimized()) {
        int* t = ZvdGetTable(paletteObj_);
        if (!t)
            throw zvdrawerror(__FILE__, __LINE__);
        ZvdReleaseTable(paletteObj_);
        *table = t;
        *palette = &optimized_;
        return;
    }
    *table = nullptr;
    *palette = &optionPalette_;
}

bool WaOptPalDrawContext::OptimizedPaletteUsable()
{
    if (!ZvdGetTable(paletteObj_))
        return false;
    ZvdReleaseTable(paletteObj_);
    return true;
}

void WaOptPalDrawContext::RetryOptimizedPalette()
{
    if (changes_.options || changes_.bits || changes_.transform)
        fallbackInUse_ = false;
}

bool WaOptPalDrawContext::FillDisplayPalette(ZV_CDOPT& options, const ZV_CDOPT& fallback, LOGPALETTE& out)
{
    if (options.direct) {
        FillPicturePalette(out);
        return out.palNumEntries > 0;
    }
    if (options.IsOptimized()) {
        if (MakeOptimizedPalette(options.colors, out))
            return true;
        fallbackInUse_ = true;
        options = fallback;
        if (options.colors > 256)
            return false;
    }
    return FillOptionPalette(options, out);
}

void WaOptPalDrawContext::ReleaseDitherTables()
{
    if (paletteObj_)
        ZvdReleaseTable(paletteObj_);
}
