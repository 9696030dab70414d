#include "filters/photo/BrCont.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/PointEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <new>

namespace {

const ArtFilterInfo kInfo{"BrCont", 150, PhotoFilter::kDialogHelp};

class BrContEngine : public PointEngine {
public:
    using PointEngine::PointEngine;

protected:
    void Pixel(const uint8_t* in, uint8_t* out, int32_t planes) const override
    {
        for (int32_t k = 0; k < planes; ++k)
            out[k] = BrContSample(in[k], params_->Param(1), params_->Param(2));
    }
};

class BrContDialog : public PhotoFilterDialog {
public:
    BrContDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Brightness&Contrast parameters", 105, {{1001, 106}, {1002, 107}}, params, tile,
                            engine)
    {
    }

    void OnHScroll(uint32_t code, int32_t position, uint32_t sliderId) override
    {
        PhotoFilterDialog::OnHScroll(code, position, sliderId);
        if (sliderId == 1001 && code <= kEndTrack && code != kEndTrack)
            ShowBrightness(position);
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override
    {
        AddSlider(layout, 0, "&Brightness:");
        AddSlider(layout, 1, "&Contrast:");
    }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        // The dialog starts from no change, whatever the last run chose.
        Params().Param(1) = 255;
        Params().Param(2) = 50;
        SetSlider(0, 0, 510, 51);
        SetSlider(1, 0, 100, 10);
        ShowBrightness(Params().Param(1));
        UpdatePreview(false);
        return true;
    }

private:
    // The label shows the brightness, the slider runs over 0..510.
    void ShowBrightness(int32_t position)
    {
        if (QWidget* label = GetDlgItem(1010))
            label->setProperty("text", QString::number(position - 255));
    }
};

} // namespace

uint8_t BrContSample(uint8_t in, int32_t p1, int32_t p2)
{
    return uint8_t(std::clamp<int64_t>(int64_t(p2) * in / 50 + p1 - 255, 0, 255));
}

BrContFilter::BrContFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 1, 1}) {}

void BrContFilter::ParamDefaults(ArtParams& params) const
{
    params.Param(1) = 255;
    params.Param(2) = 50;
}

std::unique_ptr<FilterEngine> BrContFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) BrContEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> BrContFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<BrContDialog>(params, tile, engine);
}
