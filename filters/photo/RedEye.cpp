#include "filters/photo/RedEye.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/PointEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <new>

namespace {

const ArtFilterInfo kInfo{"RedEye", 152, PhotoFilter::kDialogHelp};

class RedEyeEngine : public PointEngine {
public:
    using PointEngine::PointEngine;

protected:
    void Pixel(const uint8_t* in, uint8_t* out, int32_t planes) const override
    {
        std::memcpy(out, in, size_t(planes));
        if (planes == 3)
            RedEyePixel(out, params_->Param(1), params_->Param(2));
    }
};

class RedEyeDialog : public PhotoFilterDialog {
public:
    RedEyeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Red Eye Removing parameters", 117, {{1001, 118}, {1002, 119}}, params, tile,
                            engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override
    {
        AddSlider(layout, 0, "&Strength:");
        AddSlider(layout, 1, "&Balance:");
    }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        SetSlider(0, 0, 100, 5);
        SetSlider(1, 0, 100, 5);
        UpdatePreview(false);
        return true;
    }
};

} // namespace

void RedEyePixel(uint8_t px[3], int32_t p1, int32_t p2)
{
    // Held to the sliders' ranges, so that a damaged block cannot leave the
    // sample's range.
    const int32_t strength = std::clamp(p1, 0, 100);
    const int32_t balance = std::clamp(p2, 0, 100);
    // Planes come red, green, blue from both hosts.
    const int32_t r = px[0], g = px[1], c = px[2];
    if (r * 60 < (c + g) * (100 - strength))
        return;
    px[0] = uint8_t(g + balance * (c - g) / 100);
}

RedEyeFilter::RedEyeFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 1, 1}) {}

void RedEyeFilter::ParamDefaults(ArtParams& params) const
{
    params.Param(1) = 50;
    params.Param(2) = 50;
}

std::unique_ptr<FilterEngine> RedEyeFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) RedEyeEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> RedEyeFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<RedEyeDialog>(params, tile, engine);
}
