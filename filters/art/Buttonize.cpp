// Buttonize: a border band of Param1 pixels lit on the top and left and
// darkened on the bottom and right (the other way round when pressed,
// Param2), brighter and softer on the seams where two sides meet. The
// source is the current ring row at ring column x.
#include "filters/art/ArtFilters.h"
#include "filters/art/HeldRingEngine.h"
#include "filters/art/SliderFilter.h"
#include "filters/frame/PreviewTile.h"
#include "framework/ControlId.h"

#include <QCheckBox>
#include <QVBoxLayout>
#include <algorithm>
#include <new>

namespace {

constexpr ArtSlider kSliders[] = {{1, "&Border size (1...100):", 1, 100, 10, 10}};
constexpr int32_t kLight = 100;
constexpr int32_t kSeam = 150;
constexpr uint32_t IDC_PRESSED = 1012;

class ButtonizeEngine : public HeldRingEngine {
public:
    ButtonizeEngine(FilterRecord* record, ArtParams* params) : HeldRingEngine(record, params, kSliders, 11, 11) {}

protected:
    void SizeRing() override
    {
        margin_ = ringSize_ = p_.Param(1) + 1;
        StoreRing();
    }

    void ProcessRow(uint8_t* out, int32_t row) override
    {
        const int32_t b = p_.Param(1);
        const bool pressed = p_.Param(2) != 0;
        const Rect& f = record_->filterRect;
        const int32_t height = preview_ ? tile_->height : f.bottom - f.top;
        const int32_t d0 = preview_ ? row : row - f.top;
        const int32_t d1 = height - 1 - d0;
        const int32_t lit = kLight * kSeam / 100, litEdge = kLight;
        const int32_t dark = -(kLight * 100 / kSeam), darkEdge = -kLight;
        const int32_t n = planes_;
        for (int32_t x = 0; x < workWidth_; ++x) {
            const int32_t d2 = x, d3 = workWidth_ - 1 - x;
            int32_t offset = 0;
            if (d0 <= b || d1 <= b || d2 <= b || d3 <= b) {
                const int32_t m = std::min({d0, d1, d2, d3});
                // The last side, in the order top, bottom, left, right, at
                // the smallest distance.
                const int32_t side = d3 == m ? 3 : d2 == m ? 2 : d1 == m ? 1 : 0;
                const int32_t across[4] = {d2, d3, d0, d1};
                const bool seam = std::abs(across[side] - m) < 2;
                const bool light = (side == 0 || side == 2) != pressed;
                offset = light ? (seam ? lit : litEdge) : (seam ? dark : darkEdge);
            }
            const uint8_t* source = RingPixel(ringSize_ - 1, x);
            for (int32_t k = 0; k < n; ++k)
                out[x * n + k] = Clamp255(source[k] + offset);
        }
    }
};

class ButtonizeDialog : public ArtSliderDialog {
public:
    ButtonizeDialog(const ArtFilterInfo& info, const ArtDialogLayout& layout, ArtParams& params, PreviewTile* tile,
                    FilterEngine* engine)
        : ArtSliderDialog(info, layout, params, tile, engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override
    {
        ArtSliderDialog::CreateFilterControls(layout);
        pressed_ = new QCheckBox("P&ressed", this);
        fw::SetControlId(pressed_, IDC_PRESSED);
        layout->addWidget(pressed_);
    }

    bool OnInitDialog() override
    {
        ArtSliderDialog::OnInitDialog();
        pressed_->setChecked(Params().Param(2) != 0);
        return true;
    }

    void OnCommand(uint32_t id) override
    {
        if (id == IDC_PRESSED) {
            SetParam(2, pressed_->isChecked() ? 1 : 0);
            return;
        }
        ArtSliderDialog::OnCommand(id);
    }

private:
    QCheckBox* pressed_ = nullptr;
};

class ButtonizeFilter : public SliderFilter {
public:
    ButtonizeFilter()
        : SliderFilter({{"Buttonz", 154, 11},
                        {"Buttonize parameters", kSliders},
                        10,
                        10,
                        [](FilterRecord* r, ArtParams* p) {
                            return std::unique_ptr<FilterEngine>(new (std::nothrow) ButtonizeEngine(r, p));
                        }})
    {
    }

    void Defaults(ArtParams& params) const override
    {
        SliderFilter::Defaults(params);
        params.Param(2) = 0;
    }

    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override
    {
        return std::make_unique<ButtonizeDialog>(Info(), Layout().dialog, params, tile, engine);
    }
};

} // namespace

std::unique_ptr<ArtFilter> MakeButtonizeFilter() { return std::make_unique<ButtonizeFilter>(); }
