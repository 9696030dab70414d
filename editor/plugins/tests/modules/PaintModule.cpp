// Test filters that paint the foreground colour, one entry each:
//   ENTRYPOINT1  fills the filter rectangle, mask or not, reporting progress
//                before and after and stopping when asked to
//   ENTRYPOINT2  leaves the selection (clears autoMask) and fills the
//                whole picture
//   ENTRYPOINT3  cancels at Start
//   ENTRYPOINT4  fails at Start with an I/O error
//   ENTRYPOINT5  inverts the pixels of the filter rectangle where the mask
//                is set, reading picture and mask in bands of 50 rows
// Every selector is logged.
#include "filters/sdk/PIFilter.h"
#include "pluginhost/tests/modules/TestModuleLog.h"

#include <cstdio>

TEST_MODULE_LOAD_NOTE("paint")

namespace {

void Fill(FilterRecord* r)
{
    const int32_t width = r->outRect.right - r->outRect.left;
    for (int32_t y = 0; y < r->outRect.bottom - r->outRect.top; ++y) {
        auto* out = static_cast<uint8_t*>(r->outData) + y * r->outRowBytes;
        for (int32_t x = 0; x < width; ++x)
            for (int16_t k = 0; k < r->planes; ++k)
                out[x * r->planes + k] = r->foreColor[k];
    }
}

constexpr int16_t kBandRows = 50;

// The next band of the filter rectangle from top, or none past its end.
void AskForBand(FilterRecord* r, int16_t top)
{
    Rect band = r->filterRect;
    band.top = top;
    band.bottom = static_cast<int16_t>(top + kBandRows < band.bottom ? top + kBandRows : band.bottom);
    if (top >= r->filterRect.bottom)
        band = Rect{0, 0, 0, 0};
    r->inRect = r->outRect = band;
    r->maskRect = r->haveMask ? band : Rect{0, 0, 0, 0};
    r->inLoPlane = r->outLoPlane = 0;
    r->inHiPlane = r->outHiPlane = static_cast<int16_t>(r->planes - 1);
}

void Invert(FilterRecord* r)
{
    const int32_t width = r->outRect.right - r->outRect.left;
    for (int32_t y = 0; y < r->outRect.bottom - r->outRect.top; ++y) {
        const auto* in = static_cast<const uint8_t*>(r->inData) + y * r->inRowBytes;
        auto* out = static_cast<uint8_t*>(r->outData) + y * r->outRowBytes;
        const auto* mask = r->maskData ? static_cast<const uint8_t*>(r->maskData) + y * r->maskRowBytes : nullptr;
        for (int32_t i = 0; i < width * r->planes; ++i)
            if (!mask || mask[i / r->planes])
                out[i] = static_cast<uint8_t>(255 - in[i]);
    }
}

int16_t Run(int entry, int16_t selector, FilterRecord* r)
{
    char name[16];
    std::snprintf(name, sizeof(name), "paint-%d", entry);
    TestLog(name, SelectorName(selector));
    switch (selector) {
    case filterSelectorParameters:
        if (!r->parameters)
            r->parameters = r->handleProcs->newProc(4);
        return r->parameters ? noErr : memFullErr;
    case filterSelectorPrepare:
        if (entry == 2)
            r->autoMask = 0;
        return noErr;
    case filterSelectorStart:
        if (entry == 3)
            return userCanceledErr;
        if (entry == 4)
            return ioErr;
        if (entry == 5) {
            AskForBand(r, r->filterRect.top);
            return noErr;
        }
        r->outRect = r->filterRect;
        if (entry == 2)
            r->outRect = Rect{0, 0, r->imageSize.v, r->imageSize.h};
        r->inRect = Rect{0, 0, 0, 0};
        r->outLoPlane = 0;
        r->outHiPlane = static_cast<int16_t>(r->planes - 1);
        return noErr;
    case filterSelectorContinue:
        if (entry == 5) {
            Invert(r);
            AskForBand(r, r->outRect.bottom);
            return noErr;
        }
        r->progressProc(1, 2);
        if (r->abortProc())
            return userCanceledErr;
        Fill(r);
        r->progressProc(2, 2);
        r->outRect = Rect{0, 0, 0, 0};
        return noErr;
    default: return noErr;
    }
}

} // namespace

#define PAINT_ENTRY(n)                                                                                         \
    extern "C" PI_EXPORT void ENTRYPOINT##n(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result) \
    {                                                                                                          \
        *result = Run(n, selector, record);                                                                    \
    }

PAINT_ENTRY(1)
PAINT_ENTRY(2)
PAINT_ENTRY(3)
PAINT_ENTRY(4)
PAINT_ENTRY(5)
