// The engine of the Rubber filter: the grabbed point moves by the drag and
// the picture stretches around it like a rubber sheet. Each axis has a
// weight table, 4096 at the target and falling to 0 at the edges; a pixel
// reads its source displaced against the drag by the product of its
// column's and row's weights.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/RubberParams.h"

#include <vector>

class RubberEngine : public DisplacementEngine {
public:
    // params stays the host's block, which the dialog writes before the
    // preview and host runs begin.
    RubberEngine(FilterRecord* record, const RubberParams* params);

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    void End() override;
    // Sources of a row move by at most the vertical drag times the row's
    // weight.
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    // What Begin derived for the work area, in pixels.
    int32_t DragX() const { return dx_; }
    int32_t DragY() const { return dy_; }
    int32_t TargetX() const { return targetX_; }
    int32_t TargetY() const { return targetY_; }
    // The weight of column x (row y) in 1/4096.
    int32_t WeightX(int32_t x) const { return wx_[size_t(x)]; }
    int32_t WeightY(int32_t y) const { return wy_[size_t(y)]; }

    // The weight of position i on an axis of length size whose stretch
    // centres on target: 4096 at the target, 0 at either edge.
    static int32_t AxisWeight(int32_t i, int32_t size, int32_t target);

private:
    const RubberParams* params_;
    std::vector<int32_t> wx_;
    std::vector<int32_t> wy_;
    int32_t dx_ = 0;
    int32_t dy_ = 0;
    int32_t targetX_ = 0;
    int32_t targetY_ = 0;
};
