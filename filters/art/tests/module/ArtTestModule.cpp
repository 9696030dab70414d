// A trivial art filter run through the art frame and its row-ring engine:
// every output sample is a weighted sum, modulo 256, of the whole ring
// window around it (every ring row, ring columns x .. x + 2 x margin) plus
// the row number, so that a test can tell from the output which rows and
// columns the engine handed over. Param1 is the ring size, Param2 the
// margin, Param3 adds a draw of the module's random sequence per sample.
// ENTRYPOINT has the dialog and answers About; ENTRYPOINT1 runs the same
// sum (ring 2, margin 1) without parameters.
#include "filters/art/frame/ArtAngleDisplay.h"
#include "filters/art/frame/ArtDispatch.h"
#include "filters/art/frame/ArtFilterDialog.h"
#include "filters/art/frame/ArtModuleState.h"
#include "filters/art/frame/DibControl.h"
#include "filters/art/frame/RowRingEngine.h"
#include "filters/art/frame/StrokeAngleDisplay.h"
#include "filters/frame/FilterModuleInfo.h"
#include "framework/ControlId.h"
#include "platform/Dib.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <new>

namespace {

class RingSumEngine : public RowRingEngine {
public:
    RingSumEngine(FilterRecord* record, ArtParams* params)
        : RowRingEngine(record, params ? params->Param(2) : 1, params ? params->Param(1) : 2), params_(params)
    {
    }

    // The ring follows the parameters as they are when a run begins.
    bool Begin() override
    {
        if (params_) {
            ringSize_ = params_->Param(1);
            margin_ = params_->Param(2);
            params_->ringSize = ringSize_;
            params_->ringMargin = margin_;
        }
        return RowRingEngine::Begin();
    }

    void ProcessRow(uint8_t* out, int32_t row) override
    {
        const bool noise = params_ && params_->Param(3) != 0;
        const int32_t span = 2 * margin_ + 1;
        for (int32_t x = 0; x < workWidth_; ++x)
            for (int32_t k = 0; k < planes_; ++k) {
                uint32_t sum = uint32_t(row);
                for (int32_t r = 0; r < ringSize_; ++r)
                    for (int32_t j = 0; j < span; ++j)
                        sum += uint32_t(2 * (r * span + j) + 1) * RingPixel(r, x + j)[k];
                if (noise)
                    sum += uint32_t(ArtRand() & 3);
                out[x * planes_ + k] = uint8_t(sum);
            }
    }

private:
    ArtParams* params_;
};

// An 8-bit grey brush: a disc that fades to its edge.
std::vector<uint8_t> DiscBrush()
{
    std::vector<platform::RGBQUAD> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[size_t(i)] = platform::RGBQUAD{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    std::vector<uint8_t> dib = platform::MakeDibHeader(32, 32, 8, grey, 0, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int d = (x - 16) * (x - 16) + (y - 10) * (y - 10) * 4;
            dib.push_back(uint8_t(std::min(255, d)));
        }
    return dib;
}

class RingSumDialog : public ArtFilterDialog {
public:
    static constexpr uint32_t IDC_ANGLE = 1022;
    static constexpr uint32_t IDC_STROKES = 1023;
    static constexpr uint32_t IDC_BRUSH = 1007;

    RingSumDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : ArtFilterDialog(200, "RingTest", 21, params, tile, engine)
    {
    }

    void OnHScroll(uint32_t code, int32_t position, uint32_t sliderId) override
    {
        ArtFilterDialog::OnHScroll(code, position, sliderId);
        ShowAngles();
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override
    {
        setWindowTitle("Art ring test");
        AddSlider(layout, 0, "&Ring size (1...9):");
        AddSlider(layout, 1, "&Margin (0...6):");
        AddSlider(layout, 2, "&Noise (0...1):");
        auto* row = new QHBoxLayout;
        angle_ = new ArtAngleDisplay(this);
        angle_->setFixedSize(48, 48);
        fw::SetControlId(angle_, IDC_ANGLE);
        strokes_ = new StrokeAngleDisplay(this);
        strokes_->setFixedSize(64, 48);
        fw::SetControlId(strokes_, IDC_STROKES);
        brush_ = new DibControl(this);
        brush_->setFixedSize(34, 34);
        fw::SetControlId(brush_, IDC_BRUSH);
        row->addWidget(angle_);
        row->addWidget(strokes_);
        row->addWidget(brush_);
        row->addStretch();
        layout->addLayout(row);
    }

    bool OnInitDialog() override
    {
        ArtFilterDialog::OnInitDialog();
        SetSlider(0, 1, 9, 1);
        SetSlider(1, 0, 6, 1);
        SetSlider(2, 0, 1, 1);
        brush_->SetDib(DiscBrush());
        ShowAngles();
        return true;
    }

    void OnCommand(uint32_t id) override
    {
        if (id == IDC_BRUSH) {
            ++brushClicks_;
            setProperty("brushClicks", brushClicks_);
            return;
        }
        ArtFilterDialog::OnCommand(id);
    }

private:
    void ShowAngles()
    {
        angle_->SetAngle(Params().Param(2) * 30);
        strokes_->SetAngle(Params().Param(2) * 30);
        brush_->SetAngle(Params().Param(2) * 30);
        brush_->update();
    }

    ArtAngleDisplay* angle_ = nullptr;
    StrokeAngleDisplay* strokes_ = nullptr;
    DibControl* brush_ = nullptr;
    int brushClicks_ = 0;
};

class RingSumFilter : public ArtFilter {
public:
    RingSumFilter() : ArtFilter(ArtFilterInfo{"RingTest", 200, 21}) {}

    void Defaults(ArtParams& p) const override
    {
        p.Param(1) = 3;
        p.Param(2) = 2;
        p.Param(3) = 0;
        p.ringSize = 3;
        p.ringMargin = 2;
    }
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override
    {
        return std::unique_ptr<FilterEngine>(new (std::nothrow) RingSumEngine(record, params));
    }
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override
    {
        return std::make_unique<RingSumDialog>(params, tile, engine);
    }
};

class FixedRingFilter : public ArtFilter {
public:
    FixedRingFilter() : ArtFilter(ArtFilterInfo{nullptr, 0, 0}) {}

    void Defaults(ArtParams&) const override {}
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams*) override
    {
        return std::unique_ptr<FilterEngine>(new (std::nothrow) RingSumEngine(record, nullptr));
    }
};

} // namespace

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About Art test", "Orvane Plug-in Collection", "Art test v.1.0",
                                       "Art test Plug-in v.1.1"};
    return info;
}

extern "C" PI_EXPORT void ENTRYPOINT(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static RingSumFilter filter;
    ArtDispatch(filter, selector, record, result, ArtAbout::Show);
}

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static FixedRingFilter filter;
    ArtDispatch(filter, selector, record, result);
}
