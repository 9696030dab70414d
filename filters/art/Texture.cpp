// The texture filters (Mosaic, Canvas, Cracks, Padding): a small texture
// tiled over the picture, bent by a smooth random displacement, brightens
// or darkens each pixel by its deviation from its mean, scaled by the
// pixel's brightest channel. No parameters, no dialog, no preview.
//
// The displacement: control values every d columns, renewed every c rows
// and blended linearly between them in both directions, in sixteenths of a
// pixel up to the amplitude a either way.
#include "filters/art/ArtBitmaps.h"
#include "filters/art/ArtFilters.h"
#include "filters/art/SliderFilter.h"
#include "filters/art/frame/ArtModuleState.h"
#include "filters/art/frame/RowRingEngine.h"
#include "filters/frame/FilterModuleState.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

struct TextureVariant {
    const char* name;
    int32_t amplitude;
    int32_t spacing;
    int32_t period;
};

constexpr TextureVariant kVariants[] = {
    {"MOSAIC", 50, 20, 20}, {"CANVAS", 32, 32, 32}, {"OLD", 64, 32, 32}, {"PADD", 16, 16, 16}};

class TextureEngine : public RowRingEngine {
public:
    TextureEngine(FilterRecord* record, const TextureVariant& variant)
        : RowRingEngine(record, 0, 1), variant_(variant)
    {
    }

    bool Begin() override
    {
        texture_ = ArtBitmap(variant_.name);
        if (!texture_) {
            FrameState().result = memFullErr;
            return false;
        }
        mean_ = Mean(*texture_);
        a_ = variant_.amplitude;
        d_ = variant_.spacing;
        c_ = variant_.period;
        count_ = record_->filterRect.right - record_->filterRect.left + 10;
        // One control value more than the rows hold: the blend reads it
        // (with weight 0, or for the columns past the last control) and
        // finds no displacement there.
        const size_t controls = size_t(count_ / std::min(d_, c_) + 2);
        for (auto* v : {&xPrev_, &xNext_, &yPrev_, &yNext_})
            v->assign(controls, 0);
        dx_.assign(size_t(count_), 0);
        dy_.assign(size_t(count_), 0);
        for (int32_t i = 0; i < count_; ++i) {
            dx_[size_t(i)] = int16_t(Draw());
            dy_[size_t(i)] = int16_t(Draw());
        }
        for (size_t i = 0; i + 1 < controls; ++i) {
            xPrev_[i] = int16_t(Draw());
            xNext_[i] = int16_t(Draw());
            yPrev_[i] = int16_t(Draw());
            yNext_[i] = int16_t(Draw());
        }
        return RowRingEngine::Begin();
    }

    void End() override
    {
        texture_.reset();
        for (auto* v : {&xPrev_, &xNext_, &yPrev_, &yNext_, &dx_, &dy_})
            v->clear();
        RowRingEngine::End();
    }

    void ProcessRow(uint8_t* out, int32_t row) override
    {
        const FilterRecord& r = *record_;
        Step(row - r.filterRect.top);
        const int32_t n = planes_;
        const uint8_t* in = RingRow(0);
        for (int32_t i = 0; i < workWidth_; ++i) {
            int32_t kx, fx, ky, fy;
            Split(dx_[size_t(i)], kx, fx);
            Split(dy_[size_t(i)], ky, fy);
            const int32_t x = r.filterRect.right + i + kx;
            const int32_t x0 = Wrap(x, texture_->width), x1 = Wrap(x + 1, texture_->width);
            const int32_t y0 = Wrap(row + ky, texture_->height), y1 = Wrap(row + ky + 1, texture_->height);
            const int32_t m = ((T(x1, y1) * fy * fx + (16 - fy) * T(x0, y0) * (16 - fx) +
                                T(x0, y1) * fy * (16 - fx) + T(x1, y0) * fx * (16 - fy)) >>
                               8) -
                              mean_;
            int32_t o = 0;
            for (int32_t k = 0; k < n; ++k)
                o = std::max<int32_t>(o, in[i * n + k]);
            const int32_t s = (o * m) >> 8;
            for (int32_t k = 0; k < n; ++k)
                out[i * n + k] = uint8_t(std::clamp(in[i * n + k] + s, 0, 255));
        }
    }

private:
    int32_t Draw() const { return ArtRand() % (2 * a_ + 1) - a_; }

    // The row's displacements, phase b of the period.
    void Step(int32_t row)
    {
        const int32_t b = row % c_;
        const size_t controls = size_t(count_ / d_ + 1);
        if (b == 0) {
            xPrev_ = xNext_;
            yPrev_ = yNext_;
            for (size_t i = 0; i < controls; ++i)
                xNext_[i] = int16_t(Draw());
            for (size_t i = 0; i < controls; ++i)
                yNext_[i] = int16_t(Draw());
        }
        for (int32_t i = 0; i < count_; ++i) {
            const int32_t e = i % d_;
            const size_t f = size_t(i / d_);
            dx_[size_t(i)] = int16_t(((d_ - e) * ((c_ - b) * xPrev_[f] + b * xNext_[f]) +
                                      e * ((c_ - b) * xPrev_[f + 1] + b * xNext_[f + 1])) /
                                     d_ / c_);
            dy_[size_t(i)] = int16_t(((d_ - e) * ((c_ - b) * yPrev_[f] + b * yNext_[f]) +
                                      e * ((c_ - b) * yPrev_[f + 1] + b * yNext_[f + 1])) /
                                     d_ / c_);
        }
    }

    // Whole pixels and sixteenths; the sixteenths are 1..16 at and below 0.
    static void Split(int32_t v, int32_t& whole, int32_t& sixteenths)
    {
        whole = v > 0 ? v / 16 : v / 16 - 1;
        sixteenths = v - 16 * whole;
    }

    static int32_t Wrap(int32_t v, int32_t n) { return v > 0 ? v % n : n - 1 - (-v % n); }

    int32_t T(int32_t x, int32_t y) const
    {
        const uint8_t* p = texture_->At(x, y);
        return texture_->bits == 24 ? p[2] : p[0];
    }

    static int32_t Mean(const ArtBitmapView& t)
    {
        int64_t sum = 0;
        for (int32_t y = 0; y < t.height; ++y)
            for (int32_t x = 0; x < t.width; ++x) {
                const uint8_t* p = t.At(x, y);
                if (t.bits == 24) {
                    sum += std::max({p[0], p[1], p[2]});
                } else {
                    const uint32_t c = t.palette[p[0]];
                    sum += std::max({c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF});
                }
            }
        return int32_t(sum / (int64_t(t.width) * t.height));
    }

    const TextureVariant& variant_;
    std::optional<ArtBitmapView> texture_;
    int32_t mean_ = 0, a_ = 0, d_ = 1, c_ = 1, count_ = 0;
    std::vector<int16_t> xPrev_, xNext_, yPrev_, yNext_, dx_, dy_;
};

} // namespace

std::unique_ptr<ArtFilter> MakeTextureFilter(int32_t variant)
{
    // The maker is a plain function: each variant has its own.
    static constexpr ArtEngineMaker kMakers[] = {
        [](FilterRecord* r, ArtParams*) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) TextureEngine(r, kVariants[0]));
        },
        [](FilterRecord* r, ArtParams*) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) TextureEngine(r, kVariants[1]));
        },
        [](FilterRecord* r, ArtParams*) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) TextureEngine(r, kVariants[2]));
        },
        [](FilterRecord* r, ArtParams*) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) TextureEngine(r, kVariants[3]));
        }};
    return std::make_unique<SliderFilter>(
        SliderFilterLayout{{nullptr, 0, 0}, {nullptr, {}}, 0, 1, kMakers[std::clamp(variant, 0, 3)]});
}
