#include "filters/photo/WindowEngine.h"

WindowEngine::WindowEngine(FilterRecord* record, ArtParams* params) : RowRingEngine(record, 1, 1), params_(params) {}

bool WindowEngine::Begin()
{
    const PhotoWindow w = Window(params_ ? *params_ : ArtParams{});
    margin_ = w.columns;
    ringSize_ = w.rows;
    if (params_) {
        params_->ringMargin = w.columns;
        params_->ringSize = w.rows;
    }
    rows_.assign(size_t(ringSize_), nullptr);
    return RowRingEngine::Begin();
}

void WindowEngine::ProcessRow(uint8_t* out, int32_t row)
{
    for (int32_t k = 0; k < ringSize_; ++k)
        rows_[size_t(k)] = RingRow(k);
    FilterRow(rows_.data(), out, row);
}
