// SmTune, smart tune: every sample through one of eight tone curves
// (Param1). Curve 0, "Auto", stretches the picture's own range of samples;
// the others are fixed lighting corrections.
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <array>
#include <cstdint>

using ToneCurve = std::array<uint8_t, 256>;

constexpr int32_t kToneCurveCount = 8;

// The "Auto" curve for samples between lo and hi; the identity when the
// picture is flat (lo = hi).
ToneCurve AutoToneCurve(int32_t lo, int32_t hi);
// Fixed curve 1..7.
ToneCurve FixedToneCurve(int32_t curve);
// The combo box's names of the curves, 0..7.
const char* ToneCurveName(int32_t curve);

class SmTuneFilter : public PhotoFilter {
public:
    SmTuneFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
