// Emboss: each sample lit from the angle of Param1 by the slope across the
// ring's three rows, on the foreground colour. Reads ring column x + 1 and
// its neighbours (margin 3: the pixel two image columns left of x).
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"

#include <cmath>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Angle (0...360):", 0, 360, 36, 0}};

class EmbossEngine : public HeldRingEngine {
public:
    EmbossEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 3, 3) {}

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const double a = p_.Param(1) * 0.01745327777777778;
        const int32_t c = int32_t(std::cos(a) * 4096), s = int32_t(std::sin(a) * 4096);
        const int32_t n = planes_;
        for (int32_t x = 0; x < workWidth_; ++x) {
            const int32_t j = x + 1;
            for (int32_t k = 0; k < n; ++k) {
                const int32_t v = c * (RingPixel(1, j + 1)[k] - RingPixel(1, j - 1)[k]) +
                                  s * (RingPixel(2, j)[k] - RingPixel(0, j)[k]);
                out[x * n + k] = Clamp255(v / 4096 + record_->foreColor[k]);
            }
        }
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeEmbossFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"Emboss", 146, 1},
        {"Emboss parameters", kSliders, ArtAngleShown::Needle},
        3,
        3,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) EmbossEngine(r, p));
        }});
}
