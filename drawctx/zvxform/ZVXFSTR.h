// The plane stretcher: pulls source rows through a transform (destination
// to source, forward) into destination rows, nearest sample: each
// destination pixel takes the source pixel under its centre.
#pragma once

#include "drawctx/zvxform/ZVXFORM.h"
#include "drawctx/zvxform/ZvxfPlane.h"

#include <memory>
#include <vector>

class ZVXFSTR : public Zvxf_nd {
public:
    // Makes the source plane at once; the site must outlive the stretcher.
    ZVXFSTR(const ZVXFORM& xf, ZVXFPLANESITE& source, int reserved);
    ZVXFSTR(const ZVXFSTR&) = delete;
    ZVXFSTR& operator=(const ZVXFSTR&) = delete;
    ~ZVXFSTR();

    // Fills the destination pixels of area (usually one row), asking the
    // source for the rows and pixels it needs. Raises a QnExcept when the
    // two planes differ in bytes per pixel. abort may be null.
    void Stretch(ZVXFPLANESITE& destination, const QnRect& area, ZV_ABORT* abort);

    const ZVXFORM& XF() const { return xf_; }

private:
    // Source columns of destination columns [left, right), kept while the
    // columns stay the same (a band asks row after row for them).
    const std::vector<int32_t>& Columns(int32_t left, int32_t right);

    ZVXFORM xf_;
    std::unique_ptr<ZVXFPLANE> source_;
    int32_t bytesPerPixel_;
    int32_t colLeft_ = 0;
    int32_t colRight_ = 0;
    std::vector<int32_t> columns_;
};
