#include "filters/photo/CleanBkgnd.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/WindowEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <new>

namespace {

const ArtFilterInfo kInfo{"CleanBkgnd", 149, PhotoFilter::kDialogHelp};

// Samples this far from the centre or farther are taken for detail.
constexpr int32_t kThreshold = 40;

class CleanBkgndEngine : public WindowEngine {
public:
    using WindowEngine::WindowEngine;

protected:
    PhotoWindow Window(const ArtParams& params) const override
    {
        const int32_t b = CleanBkgndSize(params.Param(1));
        return {b, b};
    }

    void FilterRow(const uint8_t* const* rows, uint8_t* out, int32_t) const override
    {
        CleanBkgndRow(rows, ringSize_, margin_, workWidth_, planes_, out);
    }
};

class CleanBkgndDialog : public PhotoFilterDialog {
public:
    CleanBkgndDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Cleaning background parameters", 108, {{1001, 109}}, params, tile, engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override { AddSlider(layout, 0, "&Size (1...30):"); }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        SetSlider(0, 1, 30, 3);
        UpdatePreview(false);
        return true;
    }
};

} // namespace

int32_t CleanBkgndSize(int32_t p1) { return std::clamp(p1, 1, 30); }

void CleanBkgndRow(const uint8_t* const* rows, int32_t size, int32_t margin, int32_t width, int32_t planes,
                   uint8_t* out)
{
    const size_t p = size_t(planes);
    const uint8_t* centreRow = rows[size / 2];
    for (int32_t x = 0; x < width; ++x) {
        const size_t first = size_t(x + margin - size / 2);
        for (size_t i = 0; i < p; ++i) {
            const int32_t centre = centreRow[size_t(x + margin) * p + i];
            int32_t sum = 0, count = 0;
            for (int32_t r = 0; r < size; ++r) {
                const uint8_t* s = rows[r] + first * p + i;
                for (int32_t c = 0; c < size; ++c, s += p)
                    if (*s > centre - kThreshold && *s < centre + kThreshold) {
                        sum += *s;
                        ++count;
                    }
            }
            out[size_t(x) * p + i] = uint8_t(count > 0 ? sum / count : centre);
        }
    }
}

CleanBkgndFilter::CleanBkgndFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 5, 5}) {}

void CleanBkgndFilter::ParamDefaults(ArtParams& params) const { params.Param(1) = 5; }

std::unique_ptr<FilterEngine> CleanBkgndFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) CleanBkgndEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> CleanBkgndFilter::MakeDialog(ArtParams& params, PreviewTile* tile,
                                                              FilterEngine* engine)
{
    return std::make_unique<CleanBkgndDialog>(params, tile, engine);
}
