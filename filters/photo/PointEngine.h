// The engine of the photo module's point filters: each output pixel is a
// function of the same source pixel alone, so the ring holds one row with
// a margin of one pixel, as the module's 1 x 1 window asks.
#pragma once

#include "filters/art/frame/ArtParams.h"
#include "filters/art/frame/RowRingEngine.h"

class PointEngine : public RowRingEngine {
public:
    PointEngine(FilterRecord* record, ArtParams* params);

    // Writes the window into the block, as every engine of the module does.
    bool Begin() override;
    void ProcessRow(uint8_t* out, int32_t row) override;

protected:
    // One pixel of planes samples: in is the source, out the result.
    virtual void Pixel(const uint8_t* in, uint8_t* out, int32_t planes) const = 0;

    ArtParams* params_;
};
