// The engine of the photo module's neighbourhood filters: the window each
// output pixel reads (columns x rows) follows the filter's parameters as a
// run begins, and is both the ring's margin and its size. The row routine
// sees the window's rows, oldest first, the current row last, each from
// its first margin pixel.
//
// The ring holds only rows already delivered, so a window ends at the
// current row: the result lies up to half a window lower than its source.
// Across a row each window is centred on its output pixel.
#pragma once

#include "filters/art/frame/ArtParams.h"
#include "filters/art/frame/RowRingEngine.h"

#include <cstdint>
#include <vector>

struct PhotoWindow {
    int32_t columns;
    int32_t rows;
};

class WindowEngine : public RowRingEngine {
public:
    WindowEngine(FilterRecord* record, ArtParams* params);

    bool Begin() override;
    void ProcessRow(uint8_t* out, int32_t row) override;

protected:
    // The window of a run with these parameters.
    virtual PhotoWindow Window(const ArtParams& params) const = 0;
    // One output row from the window's rows (see the class comment).
    virtual void FilterRow(const uint8_t* const* rows, uint8_t* out, int32_t row) const = 0;

    ArtParams* params_;

private:
    std::vector<const uint8_t*> rows_;
};
