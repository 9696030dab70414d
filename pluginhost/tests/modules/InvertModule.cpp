// A filter that inverts every plane of the filter rectangle where the
// selection mask is set, band by band. It walks the run the way modules of
// the suite do: a parameter handle made at Parameters, a scratch block from
// the buffer suite, bands delivered in turn by the host's Continue loop and
// by advanceState, progress and abort polling on every band, and a run
// counter kept in a handle behind *data.
#include "filters/sdk/PIFilter.h"
#include "TestModuleLog.h"

#include <cstring>

TEST_MODULE_LOAD_NOTE("invert")

namespace {

constexpr int16_t kBandRows = 7;

struct InvertParameters {
    int32_t bandRows;
    int32_t runs;
};

int16_t Planes(const FilterRecord* r) { return r->planes; }

// Points the record's rectangles at band `top` of the filter rectangle, or
// empties them past its end.
void AskForBand(FilterRecord* r, int16_t top)
{
    Rect band = r->filterRect;
    band.top = top;
    if (band.top + kBandRows < band.bottom)
        band.bottom = static_cast<int16_t>(band.top + kBandRows);
    if (band.top >= r->filterRect.bottom)
        band = Rect{0, 0, 0, 0};
    r->inRect = r->outRect = band;
    r->maskRect = r->haveMask ? band : Rect{0, 0, 0, 0};
    r->maskRate = PI_FIXED_ONE;
    r->inLoPlane = r->outLoPlane = 0;
    r->inHiPlane = r->outHiPlane = static_cast<int16_t>(Planes(r) - 1);
    r->inputRate = PI_FIXED_ONE;
}

bool BandEmpty(const Rect& r) { return r.top >= r.bottom || r.left >= r.right; }

void InvertBand(FilterRecord* r)
{
    const int32_t width = r->outRect.right - r->outRect.left;
    const int16_t planes = Planes(r);
    for (int16_t y = 0; y < r->outRect.bottom - r->outRect.top; ++y) {
        const auto* in = static_cast<const uint8_t*>(r->inData) + y * r->inRowBytes;
        auto* out = static_cast<uint8_t*>(r->outData) + y * r->outRowBytes;
        const auto* mask = r->maskData ? static_cast<const uint8_t*>(r->maskData) + y * r->maskRowBytes : nullptr;
        for (int32_t x = 0; x < width; ++x)
            if (!mask || mask[x])
                for (int16_t k = 0; k < planes; ++k)
                    out[x * planes + k] = static_cast<uint8_t>(255 - in[x * planes + k]);
    }
    r->progressProc(r->outRect.bottom - r->filterRect.top, r->filterRect.bottom - r->filterRect.top);
}

int16_t Continue(FilterRecord* r)
{
    // The band the host's loop delivered, then one fetched through
    // advanceState, then leave the next one to the loop.
    for (int pass = 0; pass < 2 && !BandEmpty(r->outRect); ++pass) {
        if (r->abortProc())
            return userCanceledErr;
        InvertBand(r);
        AskForBand(r, r->outRect.bottom);
        if (pass == 0 && !BandEmpty(r->outRect)) {
            const OSErr advanced = r->advanceState();
            if (advanced != noErr)
                return advanced;
        }
    }
    return noErr;
}

int16_t CountRun(FilterRecord* r, intptr_t* data)
{
    Handle counter = reinterpret_cast<Handle>(*data);
    if (!counter) {
        counter = r->handleProcs->newProc(sizeof(int32_t));
        if (!counter)
            return memFullErr;
        *data = reinterpret_cast<intptr_t>(counter);
    } else if (r->handleProcs->getSizeProc(counter) < static_cast<int32_t>(sizeof(int32_t))) {
        return filterBadParameters;
    }
    auto* runs = static_cast<int32_t*>(r->handleProcs->lockProc(counter, 0));
    ++*runs;
    r->handleProcs->unlockProc(counter);
    return noErr;
}

int16_t Start(FilterRecord* r, intptr_t* data)
{
    if (!r->parameters)
        return filterBadParameters;
    auto* parameters = static_cast<InvertParameters*>(r->parameters->data);
    ++parameters->runs;
    BufferID scratch = nullptr;
    if (r->bufferProcs->allocateProc(1024, &scratch) != noErr)
        return memFullErr;
    std::memset(r->bufferProcs->lockProc(scratch, 0), 0xAB, 1024);
    r->bufferProcs->unlockProc(scratch);
    r->bufferProcs->freeProc(scratch);
    const int16_t counted = CountRun(r, data);
    if (counted != noErr)
        return counted;
    AskForBand(r, r->filterRect.top);
    return noErr;
}

} // namespace

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record, intptr_t* data, int16_t* result)
{
    TestLog("invert", SelectorName(selector));
    switch (selector) {
    case filterSelectorAbout:
        *result = noErr;
        break;
    case filterSelectorParameters:
        if (!record->parameters)
            record->parameters = record->handleProcs->newProc(sizeof(InvertParameters));
        if (!record->parameters) {
            *result = memFullErr;
            break;
        }
        static_cast<InvertParameters*>(record->parameters->data)->bandRows = kBandRows;
        *result = noErr;
        break;
    case filterSelectorPrepare:
        record->bufferSpace = 0;
        *result = noErr;
        break;
    case filterSelectorStart:
        *result = Start(record, data);
        break;
    case filterSelectorContinue:
        *result = Continue(record);
        break;
    case filterSelectorFinish:
        *result = noErr;
        break;
    default:
        *result = filterBadParameters;
    }
}
