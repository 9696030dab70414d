#include "drawctx/ZvColorRules.h"

#include "dither/ZvDither.h"
#include "drawctx/zvwa/WA.h"

#include <algorithm>

ZV_CDOPTFV ZvNaturalOptions(int waType)
{
    switch (waType) {
    case WA_TYPE_1BIT: return ZV_CDOPTFV(0, 1, 2, 2, 1);
    case WA_TYPE_4BIT: return ZV_CDOPTFV(1, 1, 16, 3, 1);
    case WA_TYPE_8BIT: return ZV_CDOPTFV(1, 1, 256, 3, 1);
    case WA_TYPE_GRAY: return ZV_CDOPTFV(0, 0, 256, 0, 1);
    default: return ZV_CDOPTFV(1, 0, 16777216, 1, 1);
    }
}

ZV_CDOPT ZvEffectiveOptions(const ZV_CDOPT& requested, int waType)
{
    ZV_CDOPT o = requested;
    if (!o.direct && o.IsOptimized() && waType != WA_TYPE_RGB && o.colors >= WA::PaletteSizeOf(waType))
        o.direct = 1;
    if (!o.direct)
        return o;
    switch (waType) {
    case WA_TYPE_1BIT: return ZV_CDOPT(0, 1, 2, 2);
    case WA_TYPE_4BIT: return ZV_CDOPT(1, 1, 16, 3);
    case WA_TYPE_8BIT: return ZV_CDOPT(1, 1, 256, 3);
    case WA_TYPE_GRAY: return ZV_CDOPT(0, 1, 256, 2);
    default: return ZvNaturalOptions(waType);
    }
}

int ZvIsFastDrawAllowed(const ZvDisplay& display, int waType, const ZV_CDOPT& o)
{
    switch (display.GetKind()) {
    case ZvDisplay::Palette:
        if (o.direct)
            return waType == WA_TYPE_RGB;
        return o.colors > 256 || o.IsOptimized();
    case ZvDisplay::LowColor:
        return 0;
    case ZvDisplay::TrueColor:
    default:
        return !o.direct && o.IsOptimized();
    }
}

namespace {

// The picture's own palette or levels, as a direct option settles them.
ZV_CDOPT OwnPalette(int waType) { return ZvEffectiveOptions(ZV_CDOPT(1, 1, 0, 0), waType); }

} // namespace

ZV_CDOPT ZvAdjustForPaletteDisplay(const ZV_CDOPT& effective, int waType, int fastView, int paletteSize,
                                   int reserved, bool& usedFallback)
{
    usedFallback = false;
    ZV_CDOPT o = effective;
    const bool slow = o.colors > 256 || (o.IsOptimized() && fastView);
    if (waType != WA_TYPE_RGB) {
        if (slow)
            o = OwnPalette(waType);
        return o;
    }
    if (o.colors > 256) {
        // An optimised palette with error diffusion in the room the system leaves.
        const int room = std::max(16, paletteSize - reserved - 1);
        o = ZV_CDOPT(1, 0, uint32_t(room), 1 * 8 | 7);
    }
    if (o.IsOptimized() && fastView) {
        o = ZvUniformFallback();
        usedFallback = true;
    }
    return o;
}

ZV_CDOPT ZvAdjustForLowColorDisplay(const ZV_CDOPT& o)
{
    const ZV_CDOPT uniform16(1, 0, 16, 2 * 8 | 5); // 21: the 16-colour uniform palette, Bayer
    const ZV_CDOPT grey4(0, 0, 4, 2 * 8 | 2);      // 18: four grey levels, Bayer
    if (o.direct)
        return o.color ? uniform16 : grey4;
    if (o.color) {
        if (o.colors <= 16 && !o.IsOptimized())
            return o;
        return (o.flags & 1) ? uniform16 : grey4;
    }
    return o.colors < 5 ? o : grey4;
}

int ZvIsOptionAvailable(const ZvDisplay& display, int waType, const ZV_CDOPT& o, int& supported)
{
    const int valid = o.direct ? 1 : ZvdIsValidOption(o.color, o.colors, o.flags);
    switch (display.GetKind()) {
    case ZvDisplay::Palette:
        supported = o.direct ? waType != WA_TYPE_RGB : o.colors <= 256;
        break;
    case ZvDisplay::LowColor:
        if (o.direct)
            supported = 0;
        else if (o.color)
            supported = o.colors <= 16 && !o.IsOptimized();
        else
            supported = o.colors < 5;
        break;
    case ZvDisplay::TrueColor:
    default:
        supported = valid;
        break;
    }
    return valid;
}

namespace {

ZvDepthRow depthTable[16] = {
    {1, 0, 1, 2, 2, 2, 2},
    {2, 0, 0, 0, 2, 2, 2},
    {3, 0, 0, 0, 3, 3, 3},
    {4, 0, 0, 0, 4, 4, 4},
    {5, 0, 0, 0, 16, 16, 16},
    {6, 1, 1, 3, 16, 16, 16},
    {7, 1, 0, 5, 16, 16, 16},
    {8, 0, 0, 0, 32, 32, 32},
    {9, 0, 0, 0, 64, 64, 64},
    {10, 1, 0, 5, 216, 216, 216},
    {11, 0, 0, 0, 256, 256, 256},
    {12, 1, 1, 3, 256, 256, 256},
    {13, 1, 0, 7, 16, 256, 256},
    {14, 1, 0, 1, 32768, 32768, 32768},
    {15, 1, 0, 1, 65536, 65536, 65536},
    {16, 1, 0, 1, 16777216, 16777216, 1048576},
};

} // namespace

ZvDepthRow* ZvDepthTableRow(int code) { return code >= 1 && code <= 16 ? &depthTable[code - 1] : nullptr; }

uint32_t ZvSetDepthCurrent(int code, uint32_t colours)
{
    ZvDepthRow* row = ZvDepthTableRow(code);
    if (!row)
        return 0;
    row->current = std::clamp(colours, row->least, row->most);
    return row->current;
}
