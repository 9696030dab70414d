#include "filters/photo/HueSat.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/PointEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <new>

namespace {

const ArtFilterInfo kInfo{"HueSat", 151, PhotoFilter::kDialogHelp};

// A full turn of the hue circle.
constexpr int32_t kTurn = 1536;

class HueSatEngine : public PointEngine {
public:
    using PointEngine::PointEngine;

protected:
    void Pixel(const uint8_t* in, uint8_t* out, int32_t planes) const override
    {
        std::memcpy(out, in, size_t(planes));
        // The circle's integer round trip moves many colours by a step or
        // more, so the dialog's neutral settings would not give the picture
        // back: they leave it as it is.
        const int32_t saturation = params_->Param(1), hue = params_->Param(2);
        if (planes == 3 && (saturation != 0 || hue != 0))
            HueSatPixel(out, saturation, hue);
    }
};

class HueSatDialog : public PhotoFilterDialog {
public:
    HueSatDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Color parameters", 112, {{1001, 113}, {1002, 114}}, params, tile, engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override
    {
        AddSlider(layout, 0, "&Saturation:");
        AddSlider(layout, 1, "&Hue:");
    }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        Params().Param(1) = 0;
        Params().Param(2) = 0;
        SetSlider(0, -255, 255, 51);
        SetSlider(1, 0, 359, 36);
        UpdatePreview(false);
        return true;
    }
};

} // namespace

void HueSatPixel(uint8_t px[3], int32_t p1, int32_t p2)
{
    // The samples in the order the hue is counted from: red, green, blue,
    // which is the order both hosts hand the planes in.
    const int32_t first = px[0], second = px[1], third = px[2];
    const int32_t max = std::max({first, second, third});
    const int32_t min = std::min({first, second, third});
    const int32_t v = max;
    const int32_t s = max == 0 ? 0 : (max - min) * 256 / max;
    int32_t h = 0;
    if (s != 0) {
        const int32_t d = max - min;
        const int32_t u = (max - third) * 256;
        const int32_t w = (max - second) * 256;
        if (first == max)
            h = u / d - w / d;
        else if (second == max)
            h = (max - first) * 256 / d - u / d + 512;
        else
            h = w / d - (max - first) * 256 / d + 1024;
        if (h < 0)
            h += kTurn;
    }

    const int32_t s2 = int32_t(std::clamp<int64_t>((int64_t(p1) + 255) * s / 255, 0, 255));
    // Once round the circle at most for the slider's shifts; the modulo
    // also keeps a damaged block's shift on it.
    const int64_t shifted = int64_t(h) + int64_t(p2) * kTurn / 360;
    const int32_t h2 = int32_t((shifted % kTurn + kTurn) % kTurn);

    int32_t out[3];
    if (s2 == 0) {
        out[0] = out[1] = out[2] = v;
    } else {
        const int32_t f = h2 & 255;
        const int32_t rising = (256 - ((255 - f) * s2 >> 8)) * v >> 8;
        const int32_t low = (256 - s2) * v >> 8;
        const int32_t falling = (256 - (s2 * f >> 8)) * v >> 8;
        switch (h2 >> 8) {
        case 0: out[0] = v, out[1] = rising, out[2] = low; break;
        case 1: out[0] = falling, out[1] = v, out[2] = low; break;
        case 2: out[0] = low, out[1] = v, out[2] = rising; break;
        case 3: out[0] = low, out[1] = falling, out[2] = v; break;
        case 4: out[0] = rising, out[1] = low, out[2] = v; break;
        default: out[0] = v, out[1] = low, out[2] = falling; break;
        }
    }
    // Values stay within 0..255 by the arithmetic above; the clamps keep a
    // damaged block from wrapping.
    px[0] = uint8_t(std::clamp(out[0], 0, 255));
    px[1] = uint8_t(std::clamp(out[1], 0, 255));
    px[2] = uint8_t(std::clamp(out[2], 0, 255));
}

HueSatFilter::HueSatFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 1, 1}) {}

void HueSatFilter::ParamDefaults(ArtParams& params) const
{
    params.Param(1) = 0;
    params.Param(2) = 0;
}

std::unique_ptr<FilterEngine> HueSatFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) HueSatEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> HueSatFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<HueSatDialog>(params, tile, engine);
}
