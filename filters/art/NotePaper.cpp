// Note paper: the row above posterized into Param1-dependent levels, black
// seams where the level steps up, shading runs after each seam (Param2 the
// relief's depth) and grain (Param3) that jitters the levels and steepens
// the steps. Reads ring row 0 (the row above) from ring column 0.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"
#include "filters/art/frame/ArtModuleState.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Contrast (1...100):", 1, 100, 10, 50},
                                  {2, "&Relief (1...100):", 1, 100, 10, 10},
                                  {3, "&Grain (1...100):", 1, 100, 10, 10}};

class NotePaperEngine : public HeldRingEngine {
public:
    NotePaperEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 2, 2) {}

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const int32_t levels = (p_.Param(1) * 30 - 30) / 99 + 2;
        const int32_t q = 255 / levels;
        const int32_t gain = 2 * ((p_.Param(3) * 32 - 32) / 99);
        const int32_t depth = (p_.Param(2) * 16 - 16) / 99 + 3;
        const int32_t n = planes_;
        const int32_t w = workWidth_;

        // Levels of ring columns 0 .. w + 2 of the row above.
        level_.resize(size_t(w + 3));
        stepped_.resize(size_t(w + 3));
        for (int32_t j = 0; j < w + 3; ++j) {
            const uint8_t* p = RingPixel(0, j);
            int32_t sum = 0;
            for (int32_t k = 0; k < n; ++k)
                sum += p[k];
            const uint8_t b = uint8_t((((q + sum / n) / q * q) >> 1) + 127);
            level_[size_t(j)] = b < 127 ? 255 : b;
            stepped_[size_t(j)] = b < 127 ? 250 : b;
        }
        const auto L = [&](int32_t j) { return int32_t(level_[size_t(j < 0 ? 0 : j)]); };

        // First pass: seams where the stepped level rises.
        int32_t previous = stepped_[0];
        for (int32_t x = 0; x < w; ++x) {
            int32_t a = stepped_[size_t(x + 1)];
            if (gain > 0)
                a -= ArtRand() / 8000;
            const bool rises = L(x) - L(x - 1) > 8 || L(x + 1) - L(x) > 8 || L(x + 2) - L(x + 1) > 8;
            std::memset(out + x * n, a - previous > 8 && rises ? 0 : uint8_t(previous), size_t(n));
            previous = a;
        }

        // Second pass, right to left: shading after each seam, grain on
        // the rest.
        bool run = false;
        int32_t target = 0, shade = 0, count = 0;
        for (int32_t x = w - 1; x >= 0; --x) {
            const int32_t value = out[x * n];
            const int32_t left = x > 0 ? out[(x - 1) * n] : value;
            if (value == 0) {
                run = true;
                target = left;
                shade = 0;
                count = 5;
            } else if (run && count > 0 && value - target > 8) {
                run = false;
            }
            int32_t result;
            if (run && shade < 127) {
                shade += ((target * 24 - shade * 24) / depth) >> 3;
                --count;
                result = shade;
            } else {
                result = value + (value - left) * gain;
                if (result < 0 || result > 255)
                    result = 255;
            }
            std::memset(out + x * n, uint8_t(result), size_t(n));
        }
    }

private:
    std::vector<uint8_t> level_;
    std::vector<uint8_t> stepped_;
};

} // namespace

std::unique_ptr<ArtFilter> MakeNotePaperFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"NoteP", 150, 6},
        {"Note paper parameters", kSliders},
        2,
        2,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) NotePaperEngine(r, p));
        }});
}
