#include "drawctx/ZvColorRules.h"

#include "drawctx/zvwa/WA.h"

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
