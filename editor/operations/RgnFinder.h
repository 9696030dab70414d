// The colour-range seed fill behind the selector's colour-range shape and the
// fill by colour: from a seed pixel, the 4-connected area of pixels whose
// red, green and blue each lie within a range, both ends included.
#pragma once

#include "platform/Dib.h"
#include "render/Rgn.h"

#include <cstdint>
#include <vector>

class CRgnFinder {
public:
    virtual ~CRgnFinder() = default;

    // Fills from (x, y) in the coordinates of dib, a packed 24-bit DIB
    // (header, then bottom-up rows of blue, green, red), so y counts from
    // the bottom row. low and high hold the range as red, green and blue in
    // their low, second and third bytes. A seed outside the picture or the
    // range finds nothing. The DIB must outlive the search.
    void FindRegion(const platform::BITMAPINFOHEADER* dib, int32_t x, int32_t y, platform::COLORREF low,
                    platform::COLORREF high);
    // The found area in picture coordinates (rows top-down).
    void GetRegion(QnRgn* out) const;

    // 255 where found, rows in the DIB's bottom-up order, width bytes a row.
    const std::vector<uint8_t>& Mask() const { return mask_; }

private:
    bool Inside(int32_t x, int32_t y) const;
    // Pushes one seed for each run of inside, unmarked pixels of row y
    // within [left, right].
    void PushRuns(int32_t y, int32_t left, int32_t right);

    const uint8_t* bits_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    size_t stride_ = 0;
    std::vector<uint8_t> mask_;
    // Inclusive, DIB coordinates; empty while right < left.
    int32_t boundLeft_ = 0, boundTop_ = 0, boundRight_ = -1, boundBottom_ = -1;
    int lowRed_ = 0, lowGreen_ = 0, lowBlue_ = 0, highRed_ = 0, highGreen_ = 0, highBlue_ = 0;
    struct Seed {
        int32_t x, y;
    };
    std::vector<Seed> work_;
};

// The 4-connected area around seed whose red, green and blue each lie within
// tolerance of colour (0x00BBGGRR), found in dib (a packed 24-bit DIB with
// its header, as the document renders it). A seed outside the picture finds
// nothing.
QnRgn ColourRangeSelection(const std::vector<uint8_t>& dib, const QnPoint& seed, uint32_t colour,
                           int32_t tolerance);
