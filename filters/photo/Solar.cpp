#include "filters/photo/Solar.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/PointEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <new>

namespace {

const ArtFilterInfo kInfo{"Solar", 154, PhotoFilter::kDialogHelp};

class SolarEngine : public PointEngine {
public:
    using PointEngine::PointEngine;

    // The table follows the strength as it is when a run begins.
    bool Begin() override
    {
        table_ = SolarTable(params_->Param(1));
        return PointEngine::Begin();
    }

protected:
    void Pixel(const uint8_t* in, uint8_t* out, int32_t planes) const override
    {
        for (int32_t k = 0; k < planes; ++k)
            out[k] = table_[in[k]];
    }

private:
    std::array<uint8_t, 256> table_{};
};

class SolarDialog : public PhotoFilterDialog {
public:
    SolarDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Solarize", 120, {{1001, 121}}, params, tile, engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override { AddSlider(layout, 0, "&Strength:"); }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        SetSlider(0, 0, 255, 25);
        UpdatePreview(false);
        return true;
    }
};

} // namespace

std::array<uint8_t, 256> SolarTable(int32_t strength)
{
    // A damaged block's strength is held to the slider's range.
    const int32_t a = std::clamp(strength, 0, 255);
    std::array<uint8_t, 256> t{};
    for (int32_t i = 0; i < 255 - a; ++i)
        t[size_t(i)] = uint8_t(255 * i / (255 - a));
    for (int32_t j = 0; j < a; ++j)
        t[size_t(255 - a + j)] = uint8_t((255 * a + 255 - 255 * j) / (a + 1));
    t[255] = a == 0 ? 255 : 0;
    return t;
}

SolarFilter::SolarFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 1, 1}) {}

void SolarFilter::ParamDefaults(ArtParams& params) const { params.Param(1) = 5; }

std::unique_ptr<FilterEngine> SolarFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) SolarEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> SolarFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<SolarDialog>(params, tile, engine);
}
