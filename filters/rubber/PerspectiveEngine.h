// The engine of Perspective: the picture tilted, its rows narrowed or
// widened progressively from top to bottom and its columns from left to
// right. The first tilt (block index 0) acts on rows, the second (index 1)
// on columns, each 1..199 with 100 for none.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/SevenLongParams.h"

class PerspectiveEngine : public DisplacementEngine {
public:
    // params stays the host's block, which the dialog writes before the
    // preview and host runs begin.
    PerspectiveEngine(FilterRecord* record, const SevenLongParams* params);

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    // A tilt as the dialogs allow it: 1..199.
    static int32_t Tilt(int32_t stored);
    // The source coordinate of position p (1/16 pixel) on an axis of size
    // pixels, under a tilt t - 100 that varies along the other axis, at
    // position q (1/16 pixel) of that axis, otherSize pixels long.
    static int32_t SourceOf(int32_t p, int32_t size, int32_t tilt, int32_t q, int32_t otherSize);

private:
    const SevenLongParams* params_;
    int32_t h_ = 0; // tilt of the rows, -99..99
    int32_t v_ = 0; // tilt of the columns
};
