// Hand drawing: each sample stretched between half the darkest and the
// brightest of its 3 x 3 neighbourhood in the ring (centred on ring column
// x + 1, the pixel two image columns left of x), so that edges stay and
// flat areas turn white. No parameters and no dialog.
#include "filters/art/ArtFilters.h"
#include "filters/art/SliderFilter.h"
#include "filters/art/frame/RowRingEngine.h"

#include <algorithm>
#include <new>

namespace {

class HandDrawingEngine : public RowRingEngine {
public:
    explicit HandDrawingEngine(FilterRecord* record) : RowRingEngine(record, 3, 3) {}

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const int32_t n = planes_;
        for (int32_t x = 0; x < workWidth_; ++x) {
            const int32_t c = x + 1;
            for (int32_t k = 0; k < n; ++k) {
                int32_t mn = 255, mx = 0;
                for (int32_t r = 0; r < 3; ++r)
                    for (int32_t j = c - 1; j <= c + 1; ++j) {
                        const int32_t v = RingPixel(r, j)[k];
                        mn = std::min(mn, v);
                        mx = std::max(mx, v);
                    }
                const int32_t h = mn / 2;
                const int32_t centre = RingPixel(1, c)[k];
                out[x * n + k] = mx == 0 ? 255 : uint8_t((centre * 255 - h * 255) / (mx - h));
            }
        }
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeHandDrawingFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {nullptr, 0, 0}, {nullptr, {}}, 3, 3, [](FilterRecord* r, ArtParams*) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) HandDrawingEngine(r));
        }});
}
