#include "filters/photo/SmTune.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/PointEngine.h"
#include "framework/ControlId.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <new>

namespace {

// SmTune's dialog opens no help topic of its own.
const ArtFilterInfo kInfo{"SmTune", 155, 0};

constexpr uint32_t IDC_CURVE = 1034;

// The five points of curves 1..7 at inputs 0, 64, 128, 192 and 256.
constexpr int32_t kCurvePoints[kToneCurveCount - 1][5] = {
    {0, 72, 140, 196, 255},  {0, 49, 99, 161, 255},   {15, 77, 145, 212, 257}, {21, 94, 162, 214, 272},
    {5, 54, 116, 191, 272},  {5, 42, 99, 176, 272},   {22, 103, 180, 241, 300},
};

constexpr const char* kCurveNames[kToneCurveCount] = {"Auto",         "Light shadow",    "Inside flash",
                                                      "Inside room",  "Heavy shadow",    "Daylight bright",
                                                      "Faded",        "Daylight cloudly"};

// The range of samples of the whole filter area, read through the host's
// advance routine; false when the host offers none or refuses.
bool ScanRange(FilterRecord* record, int32_t& lo, int32_t& hi)
{
    if (!record || !record->advanceState)
        return false;
    const Rect& area = record->filterRect;
    const int32_t width = area.right - area.left;
    const int32_t height = area.bottom - area.top;
    const int32_t planes = record->planes;
    if (width <= 0 || height <= 0 || planes <= 0)
        return false;

    // What the run asked for so far comes back once the picture is read.
    struct Saved {
        Rect inRect, outRect, maskRect;
        int16_t inLo, inHi, outLo, outHi;
        Fixed inputRate, maskRate;
    } saved{record->inRect,    record->outRect,    record->maskRect,   record->inLoPlane, record->inHiPlane,
            record->outLoPlane, record->outHiPlane, record->inputRate, record->maskRate};

    record->inRect = area;
    record->outRect = Rect{0, 0, 0, 0};
    record->maskRect = Rect{0, 0, 0, 0};
    record->inLoPlane = 0;
    record->inHiPlane = int16_t(planes - 1);
    record->outLoPlane = 0;
    record->outHiPlane = int16_t(planes - 1);
    record->inputRate = 1 << 16;
    bool found = false;
    if (record->advanceState() == noErr && record->inData) {
        lo = 255;
        hi = 0;
        const auto* base = static_cast<const uint8_t*>(record->inData);
        // Every row, the last one too: a bright or dark bottom row counts as
        // much as any other.
        for (int32_t y = 0; y < height; ++y) {
            const uint8_t* row = base + ptrdiff_t(y) * record->inRowBytes;
            for (int32_t i = 0; i < width * planes; ++i) {
                lo = std::min<int32_t>(lo, row[i]);
                hi = std::max<int32_t>(hi, row[i]);
            }
        }
        found = true;
    }
    record->inRect = saved.inRect;
    record->outRect = saved.outRect;
    record->maskRect = saved.maskRect;
    record->inLoPlane = saved.inLo;
    record->inHiPlane = saved.inHi;
    record->outLoPlane = saved.outLo;
    record->outHiPlane = saved.outHi;
    record->inputRate = saved.inputRate;
    record->maskRate = saved.maskRate;
    return found;
}

class SmTuneEngine : public PointEngine {
public:
    SmTuneEngine(FilterRecord* record, ArtParams* params) : PointEngine(record, params)
    {
        int32_t lo = 0, hi = 255;
        // Without the host's advance routine the picture cannot be read:
        // "Auto" then leaves it as it is.
        if (!ScanRange(record, lo, hi))
            lo = 0, hi = 255;
        curves_[0] = AutoToneCurve(lo, hi);
        for (int32_t c = 1; c < kToneCurveCount; ++c)
            curves_[size_t(c)] = FixedToneCurve(c);
    }

    bool Begin() override
    {
        // A damaged block's choice falls back on "Auto".
        const int32_t c = params_->Param(1);
        curve_ = &curves_[size_t(c >= 0 && c < kToneCurveCount ? c : 0)];
        return PointEngine::Begin();
    }

protected:
    void Pixel(const uint8_t* in, uint8_t* out, int32_t planes) const override
    {
        for (int32_t k = 0; k < planes; ++k)
            out[k] = (*curve_)[in[k]];
    }

private:
    std::array<ToneCurve, kToneCurveCount> curves_{};
    const ToneCurve* curve_ = &curves_[0];
};

class SmTuneDialog : public PhotoFilterDialog {
public:
    SmTuneDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Smart tune parameters", 203, {{IDC_CURVE, 203}}, params, tile, engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override
    {
        auto* text = new QLabel("&Lighting:", this);
        combo_ = new QComboBox(this);
        fw::SetControlId(combo_, IDC_CURVE);
        for (int32_t c = 0; c < kToneCurveCount; ++c)
            combo_->addItem(ToneCurveName(c));
        text->setBuddy(combo_);
        layout->addWidget(text);
        layout->addWidget(combo_);
        connect(combo_, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (index >= 0)
                SetParam(1, index);
        });
    }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        int32_t& choice = Params().Param(1);
        if (choice < 0 || choice >= kToneCurveCount)
            choice = 0;
        const QSignalBlocker block(combo_);
        combo_->setCurrentIndex(choice);
        UpdatePreview(false);
        return true;
    }

private:
    QComboBox* combo_ = nullptr;
};

} // namespace

ToneCurve AutoToneCurve(int32_t lo, int32_t hi)
{
    if (lo >= hi)
        lo = 0, hi = 255;
    ToneCurve curve{};
    // The darkest sample goes to 0, the brightest to 255.
    for (int32_t k = 0; k < 256; ++k)
        curve[size_t(k)] = uint8_t(std::clamp(255 * (k - lo) / (hi - lo), 0, 255));
    return curve;
}

ToneCurve FixedToneCurve(int32_t curve)
{
    const int32_t* q = kCurvePoints[curve - 1];
    ToneCurve out{};
    for (int32_t i = 0; i < 256; ++i) {
        const int32_t s = i / 64;
        out[size_t(i)] = uint8_t(std::clamp(q[s + 1] + (q[s + 1] - q[s]) * (i - 64 * (s + 1)) / 64, 0, 255));
    }
    return out;
}

const char* ToneCurveName(int32_t curve) { return kCurveNames[curve]; }

SmTuneFilter::SmTuneFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 1, 1}) {}

void SmTuneFilter::ParamDefaults(ArtParams& params) const { params.Param(1) = 0; }

std::unique_ptr<FilterEngine> SmTuneFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) SmTuneEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> SmTuneFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<SmTuneDialog>(params, tile, engine);
}
