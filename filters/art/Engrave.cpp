// Engrave: black where a pixel's brightness leaves the level kept from the
// row above by more than the threshold (Param1), white elsewhere; the first
// row splits at brightness 128. Rows are walked from the right so that a
// pixel compares with its left neighbour's level of the row above.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Brightness (0...100):", 0, 100, 10, 50}};

class EngraveEngine : public HeldRingEngine {
public:
    EngraveEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 1, 1) {}

    bool Begin() override
    {
        if (!HeldRingEngine::Begin())
            return false;
        level_.assign(size_t(workWidth_), 0);
        firstRow_ = true;
        return true;
    }

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const int32_t n = planes_;
        for (int32_t x = workWidth_ - 1; x >= 0; --x) {
            const uint8_t* p = RingPixel(0, x);
            int32_t sum = 0;
            for (int32_t k = 0; k < n; ++k)
                sum += p[k];
            const int32_t f = (sum / n) & 0xFF;
            uint8_t value;
            if (firstRow_) {
                value = f > 128 ? 255 : 0;
                level_[size_t(x)] = uint8_t(f);
            } else {
                const int32_t e = x > 0 ? level_[size_t(x - 1)] : f;
                if (std::abs(f - e) > p_.Param(1)) {
                    value = 0;
                    level_[size_t(x)] = uint8_t(f);
                } else {
                    value = 255;
                    level_[size_t(x)] = uint8_t(e);
                }
            }
            std::memset(out + x * n, value, size_t(n));
        }
        firstRow_ = false;
    }

private:
    std::vector<uint8_t> level_;
    bool firstRow_ = true;
};

} // namespace

std::unique_ptr<ArtFilter> MakeEngraveFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"Engrave", 147, 2},
        {"Engrave parameters", kSliders},
        1,
        1,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) EngraveEngine(r, p));
        }});
}
