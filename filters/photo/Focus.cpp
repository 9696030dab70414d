#include "filters/photo/Focus.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/WindowEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace {

const ArtFilterInfo kInfo{"Focus", 153, PhotoFilter::kDialogHelp};

constexpr std::array<FocusSetting, 9> kSettings{
    {{3, 94}, {3, 88}, {3, 75}, {3, 50}, {1, 0}, {3, 0}, {5, 0}, {9, 0}, {13, 0}}};

class FocusEngine : public WindowEngine {
public:
    using WindowEngine::WindowEngine;

    bool Begin() override
    {
        setting_ = FocusTable(params_ ? params_->Param(1) : 5);
        return WindowEngine::Begin();
    }

protected:
    PhotoWindow Window(const ArtParams&) const override { return {setting_.window, setting_.window}; }

    void FilterRow(const uint8_t* const* rows, uint8_t* out, int32_t) const override
    {
        FocusRow(rows, setting_, margin_, workWidth_, planes_, out);
    }

private:
    FocusSetting setting_{1, 0};
};

class FocusDialog : public PhotoFilterDialog {
public:
    FocusDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Focus parameters", 110, {{1001, 111}}, params, tile, engine)
    {
    }

    void OnHScroll(uint32_t code, int32_t position, uint32_t sliderId) override
    {
        PhotoFilterDialog::OnHScroll(code, position, sliderId);
        if (sliderId == 1001 && code < kEndTrack)
            ShowFocus(position);
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override { AddSlider(layout, 0, "&Focus (-4...4):"); }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        SetSlider(0, 1, 9, 1);
        ShowFocus(Params().Param(1));
        UpdatePreview(false);
        return true;
    }

private:
    // The slider runs over 1..9; the label shows the focus, -4..4.
    void ShowFocus(int32_t position)
    {
        if (QWidget* label = GetDlgItem(1010))
            label->setProperty("text", QString::number(position - 5));
    }
};

} // namespace

FocusSetting FocusTable(int32_t p1) { return kSettings[size_t(std::clamp(p1, 1, 9) - 1)]; }

void FocusRow(const uint8_t* const* rows, FocusSetting setting, int32_t margin, int32_t width, int32_t planes,
              uint8_t* out)
{
    if (planes != 1 && planes != 3)
        return;
    const size_t p = size_t(planes);
    const int32_t d = setting.window;
    if (d == 1) {
        std::memcpy(out, rows[0] + size_t(margin) * p, size_t(width) * p);
        return;
    }
    const int32_t c = setting.sharpen;
    const int32_t area = d * d;
    // Sum of column j of the window rows, plane i.
    const auto column = [&](int32_t j, size_t i) {
        int32_t s = 0;
        for (int32_t r = 0; r < d; ++r)
            s += rows[r][size_t(j) * p + i];
        return s;
    };
    const uint8_t* centreRow = rows[d / 2];
    std::array<int32_t, 3> sum{};
    const int32_t left = margin - d / 2;
    for (size_t i = 0; i < p; ++i)
        for (int32_t j = left; j < left + d; ++j)
            sum[i] += column(j, i);
    for (int32_t x = 0; x < width; ++x) {
        if (x > 0)
            for (size_t i = 0; i < p; ++i)
                sum[i] += column(left + x + d - 1, i) - column(left + x - 1, i);
        for (size_t i = 0; i < p; ++i) {
            const int32_t mean = sum[i] / area;
            int32_t v = mean;
            if (c > 0) {
                const int32_t s = centreRow[size_t(x + margin) * p + i];
                v = std::clamp((s * 100 - c * mean) / (100 - c), 0, 255);
            }
            out[size_t(x) * p + i] = uint8_t(v);
        }
    }
}

FocusFilter::FocusFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 3, 3}) {}

void FocusFilter::ParamDefaults(ArtParams& params) const { params.Param(1) = 4; }

std::unique_ptr<FilterEngine> FocusFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) FocusEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> FocusFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<FocusDialog>(params, tile, engine);
}
