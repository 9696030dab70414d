// The ring engine of the art filters with parameters: when a run begins it
// takes the block's values held to the dialog's ranges, and sizes the ring
// from them.
#pragma once

#include "filters/art/ArtSliders.h"
#include "filters/art/frame/RowRingEngine.h"

#include <algorithm>
#include <span>

class HeldRingEngine : public RowRingEngine {
public:
    HeldRingEngine(FilterRecord* record, ArtParams* params, std::span<const ArtSlider> sliders, int32_t margin,
                   int32_t ringSize)
        : RowRingEngine(record, margin, ringSize), params_(params), sliders_(sliders)
    {
    }

    bool Begin() override
    {
        HoldParams();
        SizeRing();
        return RowRingEngine::Begin();
    }

protected:
    // p_ = the block's values held to the sliders' ranges.
    void HoldParams()
    {
        if (params_)
            p_ = HeldToSliders(*params_, sliders_);
    }
    // Sets the margin and ring size of the run from p_.
    virtual void SizeRing() {}
    // Keeps the run's ring in the block too.
    void StoreRing()
    {
        if (params_) {
            params_->ringMargin = margin_;
            params_->ringSize = ringSize_;
        }
    }
    static uint8_t Clamp255(int32_t v) { return uint8_t(std::clamp(v, 0, 255)); }

    ArtParams p_{};

private:
    ArtParams* params_;
    std::span<const ArtSlider> sliders_;
};
