// Relief: each pixel shaded by the strength of the brightness gradient over
// a k x k window (k odd, from Param2), scaled by a brightness term
// (Param1): flat areas brighten most, steep ones least. The window is
// centred on its output row: the run goes half a window past the last row
// and writes each row half a window after reading it. Across a row the
// window is centred on ring column x.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"
#include "filters/frame/PreviewTile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Brightness (1...100):", 1, 100, 10, 50},
                                  {2, "&Smoothness (1...100):", 1, 100, 10, 10}};

class ReliefEngine : public HeldRingEngine {
public:
    ReliefEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 11, 11) {}

    int32_t HostRow(int32_t row) override
    {
        FilterRecord& r = *record_;
        const Rect& f = r.filterRect;
        const int32_t half = ringSize_ / 2;
        const int16_t in = int16_t(std::min<int32_t>(row, f.bottom - 1));
        const int16_t out = int16_t(std::max<int32_t>(row - half, f.top));
        if (FetchHostRect(Rect{in, f.left, int16_t(in + 1), f.right}, Rect{out, f.left, int16_t(out + 1), f.right}) != 0)
            return 1;
        FeedHostRow(static_cast<const uint8_t*>(r.inData));
        ProcessRow(static_cast<uint8_t*>(r.outData), row);
        fetchPending_ = true;
        currentRow_ = row + 1;
        return 0;
    }

    void PreviewRow(int32_t row) override
    {
        FeedPreviewRow(tile_->UnfilteredAt(0, std::min(row, tile_->height - 1)));
        ProcessRow(tile_->WorkingAt(0, std::max(row - ringSize_ / 2, 0)), row);
    }

    void RunOnPreview(PreviewTile& tile) override
    {
        if (!tile.unfiltered || !tile.working || tile.width <= 0 || tile.height <= 0)
            return;
        preview_ = true;
        tile_ = &tile;
        RestartRandom();
        if (Begin()) {
            for (int32_t i = 0; i < tile.height + ringSize_ / 2; ++i)
                PreviewRow(i);
            End();
        }
        preview_ = false;
        tile_ = nullptr;
    }

    void ProcessRow(uint8_t* out, int32_t) override
    {
        const int32_t k = ringSize_, half = k / 2;
        const int32_t b = (p_.Param(1) * 32 - 32) / 99;
        const int32_t n = planes_;
        int32_t s = 0;
        for (int32_t d = -half; d <= half; ++d)
            s += d * d;
        for (int32_t x = 0; x < workWidth_; ++x) {
            int64_t gxSum = 0, gySum = 0;
            for (int32_t d = -half; d <= half; ++d)
                if (x + d >= 0 && x + d < workWidth_ + margin_)
                    gxSum += int64_t(d) * Sum(RingPixel(half, x + d));
            for (int32_t i = 0; i < k; ++i)
                gySum += int64_t(i - half) * Sum(RingPixel(i, x));
            const int64_t gx = gxSum * 16 / s, gy = gySum * 16 / s;
            const int64_t q = gx * gx + gy * gy + 256;
            const int32_t v = int32_t(128 * (std::log10(25600.0 / double(q) + 1) + (b - 4) / 16.0));
            const int32_t g = std::min(std::abs(v), 255);
            const uint8_t* centre = RingPixel(half, x);
            int32_t m = 0;
            for (int32_t c = 0; c < n; ++c)
                m = std::max<int32_t>(m, centre[c]);
            for (int32_t c = 0; c < n; ++c)
                out[x * n + c] = Clamp255((centre[c] * g + (m + 1) / 2 + g / 2) / (m + 1));
        }
    }

protected:
    void SizeRing() override { margin_ = ringSize_ = 2 * ((p_.Param(2) + 1) / 2) + 1; }
    int32_t HostRowsEnd() const override { return record_->filterRect.bottom + ringSize_ / 2; }

private:
    int32_t Sum(const uint8_t* p) const
    {
        int32_t sum = 0;
        for (int32_t c = 0; c < planes_; ++c)
            sum += p[c];
        return sum;
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeReliefFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"Relief", 151, 7},
        {"Relief parameters", kSliders},
        11,
        11,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) ReliefEngine(r, p));
        }});
}
