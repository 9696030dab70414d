// Facetted glass: cells of Param1 pixels, each showing a half-size copy of
// twice its width; the cells follow the filter area's left edge. Ring size
// and margin are the cell size.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"

#include <cstring>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Size (1...100):", 1, 100, 10, 15}};

class FacettedGlassEngine : public HeldRingEngine {
public:
    FacettedGlassEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 15, 15)
    {
    }

protected:
    void SizeRing() override
    {
        margin_ = ringSize_ = p_.Param(1);
        StoreRing();
    }

    void ProcessRow(uint8_t* out, int32_t row) override
    {
        const int32_t s = p_.Param(1);
        const uint8_t* ring = RingRow((row + s / 2) % s);
        const int32_t left = record_->outRect.left;
        const int32_t start = ((left % s) + s) % s;
        int32_t phase = s - start;
        int32_t source = start;
        const size_t n = size_t(planes_);
        for (int32_t x = 0; x < workWidth_; ++x) {
            std::memcpy(out + size_t(x) * n, ring + size_t(source) * n, n);
            if (--phase == 0) {
                source -= s - 2;
                phase = s;
            } else {
                source += 2;
            }
        }
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeFacettedGlassFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"FGlass", 148, 3},
        {"Facetted glass parameters", kSliders},
        15,
        15,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) FacettedGlassEngine(r, p));
        }});
}
