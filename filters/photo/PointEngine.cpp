#include "filters/photo/PointEngine.h"

PointEngine::PointEngine(FilterRecord* record, ArtParams* params) : RowRingEngine(record, 1, 1), params_(params) {}

bool PointEngine::Begin()
{
    if (params_) {
        params_->ringMargin = 1;
        params_->ringSize = 1;
    }
    return RowRingEngine::Begin();
}

void PointEngine::ProcessRow(uint8_t* out, int32_t)
{
    const uint8_t* in = RingPixel(ringSize_ - 1, margin_);
    const size_t step = size_t(planes_);
    for (int32_t x = 0; x < workWidth_; ++x, in += step, out += step)
        Pixel(in, out, planes_);
}
