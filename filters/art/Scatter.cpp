// Scatter: each pixel taken from a random place up to Param1 - 1 columns to
// its right and rows back in the ring (whose size and margin are Param1).
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"
#include "filters/art/frame/ArtModuleState.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Strength (1...100):", 1, 100, 10, 10}};

class ScatterEngine : public HeldRingEngine {
public:
    ScatterEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 10, 10) {}

protected:
    void SizeRing() override
    {
        margin_ = ringSize_ = p_.Param(1);
        StoreRing();
    }

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const int32_t s = p_.Param(1);
        const size_t n = size_t(planes_);
        for (int32_t x = 0; x < workWidth_; ++x) {
            const int32_t j = std::clamp(x + ArtRand() % s, 0, workWidth_ - 1);
            const int32_t r = ArtRand() % s;
            std::memcpy(out + size_t(x) * n, RingPixel(r, j), n);
        }
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeScatterFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"Scat", 153, 8},
        {"Scatter parameters", kSliders},
        10,
        10,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) ScatterEngine(r, p));
        }});
}
