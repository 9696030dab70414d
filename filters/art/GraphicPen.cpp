// Graphic pen: strokes of noise along the angle of Param1 (0..180). The
// ring holds noise rows, not image rows; each sample of the image is
// compared with the mean of sixteen noise bytes along the stroke through
// it: white where the image is brighter, black elsewhere.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"
#include "filters/art/frame/ArtModuleState.h"

#include <cmath>
#include <cstdlib>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Angle (0...180):", 0, 180, 18, 45}};
constexpr int32_t kSteps = 16;

class GraphicPenEngine : public HeldRingEngine {
public:
    GraphicPenEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 12, 12) {}

protected:
    void SizeRing() override
    {
        const double a = p_.Param(1) * 0.017444444444444446;
        c_ = int32_t(std::cos(a) * 4096);
        s_ = int32_t(std::sin(a) * 4096);
        margin_ = std::abs(c_ * kSteps / 4096) + 1;
        ringSize_ = std::abs(s_ * kSteps / 4096) + 1;
    }

    void FeedHostRow(const uint8_t* in) override
    {
        if (firstBand_) {
            for (int32_t k = 0; k < ringSize_; ++k)
                Noise(k);
            firstBand_ = false;
        } else {
            RotateRing();
        }
        Noise(ringSize_ - 1);
        image_ = in;
    }

    void FeedPreviewRow(const uint8_t* in) override
    {
        RotateRing();
        Noise(ringSize_ - 1);
        image_ = in;
    }

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const int32_t n = planes_;
        const int32_t shift = c_ < 0 ? margin_ : 0;
        for (int32_t x = 0; x < workWidth_; ++x)
            for (int32_t k = 0; k < n; ++k) {
                int32_t acc = 0;
                for (int32_t t = 0; t < kSteps; ++t)
                    acc += RingPixel(t * s_ / 4096, x + t * c_ / 4096 + shift)[k];
                out[x * n + k] = acc / kSteps < image_[x * n + k] ? 255 : 0;
            }
    }

private:
    void Noise(int32_t k)
    {
        uint8_t* row = RingRow(k);
        const int32_t bytes = (workWidth_ + 2 * margin_) * planes_;
        for (int32_t i = 0; i < bytes; ++i)
            row[i] = uint8_t(ArtRand() % 256);
    }

    int32_t c_ = 0;
    int32_t s_ = 0;
    const uint8_t* image_ = nullptr;
};

} // namespace

std::unique_ptr<ArtFilter> MakeGraphicPenFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"GrPen", 149, 4},
        {"Graphic pen parameters", kSliders, ArtAngleShown::Strokes},
        12,
        12,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) GraphicPenEngine(r, p));
        }});
}
