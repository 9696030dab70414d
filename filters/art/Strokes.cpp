// Strokes: a pixel whose brightness is close (within Param1) to that of the
// previous output row's pixel one place to its left repeats that pixel, so
// that similar colours run on diagonally down to the right. Ring row 1
// takes each new image row (the ring does not rotate); ring row 0 keeps the
// previous output row at ring columns 1 .. width.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Strength (1...100):", 1, 100, 10, 50}};

class StrokesEngine : public HeldRingEngine {
public:
    StrokesEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 2, 2) {}

    bool Begin() override
    {
        firstRow_ = true;
        return HeldRingEngine::Begin();
    }

protected:
    void FeedHostRow(const uint8_t* in) override { PutRow(1, in); }
    void FeedPreviewRow(const uint8_t* in) override { PutRow(1, in); }

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const size_t n = size_t(planes_);
        if (firstRow_) {
            std::memcpy(out, RingPixel(1, margin_), size_t(workWidth_) * n);
            firstRow_ = false;
        } else {
            for (int32_t x = 0; x < workWidth_; ++x) {
                const uint8_t* cur = RingPixel(1, x + 1);
                const uint8_t* prev = x == 0 ? cur : RingPixel(0, x);
                std::memcpy(out + size_t(x) * n, std::abs(Mean(cur) - Mean(prev)) < p_.Param(1) ? prev : cur, n);
            }
        }
        std::memcpy(RingPixel(0, 1), out, size_t(workWidth_) * n);
    }

private:
    int32_t Mean(const uint8_t* p) const
    {
        int32_t sum = 0;
        for (int32_t k = 0; k < planes_; ++k)
            sum += p[k];
        return sum / planes_;
    }

    bool firstRow_ = true;
};

} // namespace

std::unique_ptr<ArtFilter> MakeStrokesFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"Strokes", 152, 9},
        {"Strokes parameters", kSliders},
        2,
        2,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) StrokesEngine(r, p));
        }});
}
