// 3D Mosaic: the filter area cut into tiles of Param1 x Param2 pixels, each
// filled with its average colour inside a bevel of Param3 pixels whose four
// sides are shaded by the relief (Param4); the defect (Param5) shifts the
// bevel's inner rectangle at random. The work goes band by band: one host
// request per band of tile rows.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"
#include "filters/art/frame/ArtModuleState.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PreviewTile.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Horizontal size (2...32):", 2, 32, 1, 16},
                                  {2, "&Vertical size (2...32):", 2, 32, 1, 16},
                                  {3, "&Border (0...8):", 0, 8, 1, 4},
                                  {4, "&Relief (1...100):", 1, 100, 10, 50},
                                  {5, "&Defect (0...100):", 0, 100, 10, 0}};

class Mosaic3DEngine : public HeldRingEngine {
public:
    Mosaic3DEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 0, 1) {}

    // No ring: each band is read whole.
    bool Begin() override
    {
        HoldParams();
        planes_ = record_->planes;
        workWidth_ = preview_ && tile_ ? tile_->width : record_->filterRect.right - record_->filterRect.left;
        ready_ = true;
        FrameState().result = 0;
        return true;
    }

    void End() override
    {
        ready_ = false;
        fetchPending_ = true;
    }

    int32_t HostRow(int32_t row) override
    {
        FilterRecord& r = *record_;
        const Rect& f = r.filterRect;
        if ((row - f.top) % p_.Param(2) == 0) {
            const int32_t rows = std::min<int32_t>(p_.Param(2), f.bottom - row);
            const Rect band{int16_t(row), f.left, int16_t(row + rows), f.right};
            if (FetchHostRect(band, band) != 0)
                return 1;
            Band(static_cast<const uint8_t*>(r.inData), r.inRowBytes, static_cast<uint8_t*>(r.outData),
                 r.outRowBytes, rows);
            fetchPending_ = true;
        }
        currentRow_ = row + 1;
        return 0;
    }

    void PreviewRow(int32_t row) override
    {
        if (row % p_.Param(2) != 0)
            return;
        Band(tile_->UnfilteredAt(0, row), tile_->unfilteredRowBytes, tile_->WorkingAt(0, row),
             tile_->workingRowBytes, std::min(p_.Param(2), tile_->height - row));
    }

private:
    void Band(const uint8_t* in, int32_t inRowBytes, uint8_t* out, int32_t outRowBytes, int32_t rows)
    {
        const int32_t w = p_.Param(1), b = p_.Param(3), n = planes_;
        const int32_t defect = b * p_.Param(5) / 100;
        std::vector<int32_t> avg(static_cast<size_t>(n));
        for (int32_t left0 = 0; left0 < workWidth_; left0 += w) {
            const int32_t tw = std::min(w, workWidth_ - left0);
            const int32_t count = tw * rows;
            int32_t mean = 0;
            for (int32_t k = 0; k < n; ++k) {
                int32_t sum = 0;
                for (int32_t r = 0; r < rows; ++r)
                    for (int32_t c = 0; c < tw; ++c)
                        sum += in[r * inRowBytes + (left0 + c) * n + k];
                avg[size_t(k)] = (sum + count / 2) / count;
                mean += avg[size_t(k)];
            }
            mean /= n;
            const int32_t u = (ArtRand() % (defect + 1)) * 2 - defect;
            const int32_t v = (ArtRand() % (defect + 1)) * 2 - defect;
            const int32_t left = b + u, right = b - u, top = b + v, bottom = b - v;
            const int32_t e = (mean - 64) * p_.Param(4) / 16;
            const int32_t f = e / 5;
            for (int32_t r = 0; r < rows; ++r)
                for (int32_t c = 0; c < tw; ++c) {
                    const int32_t shift = Shade(c, r, tw, rows, left, right, top, bottom, e, f);
                    for (int32_t k = 0; k < n; ++k)
                        out[r * outRowBytes + (left0 + c) * n + k] = Clamp255(avg[size_t(k)] + shift);
                }
        }
    }

    // What the bevel adds at tile column c, row r of a tw x h tile.
    static int32_t Shade(int32_t c, int32_t r, int32_t tw, int32_t h, int32_t left, int32_t right, int32_t top,
                         int32_t bottom, int32_t e, int32_t f)
    {
        if (c >= left && c <= tw - right && r >= top && r <= h - bottom)
            return 0;
        const bool belowTopLeft = c * top <= r * left;
        const bool aboveBottomLeft = (h - r) * left > bottom * c;
        const bool aboveTopRight = r * right < (tw - c) * top;
        const bool belowBottomRight = (h - r) * right <= (tw - c) * bottom;
        if (c < left && belowTopLeft && aboveBottomLeft)
            return -e;
        if (r < top && !belowTopLeft && aboveTopRight)
            return -e + f;
        if (r > h - bottom && !aboveBottomLeft && belowBottomRight)
            return e;
        return e + f;
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeMosaic3DFilter()
{
    return std::make_unique<SliderFilter>(SliderFilterLayout{
        {"3DMosaic", 144, 5},
        {"3D Mosaic parameters", kSliders},
        0,
        1,
        [](FilterRecord* r, ArtParams* p) {
            return std::unique_ptr<FilterEngine>(new (std::nothrow) Mosaic3DEngine(r, p));
        }});
}
