// The engine of Automatic brush and Oil paint: many brush prints of size
// Param1 at random places on a grid of half prints, each filled with the
// colour at its centre through a mask of the chosen brush (turned by
// Param4, or with Param6 by the direction of the picture under the print).
// Oil paint paints over a copy of the picture and then sharpens the rows.
// A host run asks for each print's box and may be resumed at every
// request.
#pragma once

#include "filters/art/ArtSliders.h"
#include "filters/frame/FilterEngine.h"
#include "filters/sdk/PIFilter.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr ArtSlider kBrushSliders[] = {{1, "Brush &size (4...100):", 4, 100, 10, 10},
                                              {2, "Brush &aspect (5...100):", 5, 100, 10, 50},
                                              {3, "Brush &edge (0...10):", 0, 10, 1, 4},
                                              {4, "Brush an&gle (0...180):", 0, 180, 18, 45},
                                              {5, "", 25000, 25009, 1, 25000},
                                              {6, "", 0, 1, 1, 0}};

class BrushEngine : public FilterEngine {
public:
    BrushEngine(FilterRecord* record, ArtParams* params, bool oilPaint);

    void RunOnHost() override;
    void RunOnPreview(PreviewTile& tile) override;

    // The mask index a print takes from the sums of its box (used with the
    // angle following the picture).
    static int32_t MaskIndexOf(int64_t x, int64_t y);

private:
    enum class Phase { Copy, Prints, Sharpen, Done };

    bool Begin();
    void End();
    // Asks the host for rect (in and out) unless already delivered: false
    // when the run must return to the host.
    bool Ask(const Rect& rect);
    // The next print's top-left corner on a width x height grid.
    void DrawPrint(int32_t left, int32_t top, int32_t width, int32_t height);
    int32_t MaskOf(const uint8_t* in, int32_t rowBytes, int32_t x0, int32_t y0, int32_t x1, int32_t y1) const;
    void Paint(const uint8_t* colour, const uint8_t* mask, uint8_t* out, int32_t rowBytes, int32_t x0, int32_t y0,
               int32_t x1, int32_t y1, int32_t maskX, int32_t maskY) const;
    void Sharpen(uint8_t* row, int32_t width) const;
    void Finish();

    FilterRecord* record_;
    ArtParams* params_;
    bool oil_;
    ArtParams p_{};
    int32_t size_ = 0;
    int32_t planes_ = 0;
    std::vector<std::vector<uint8_t>> masks_;
    // The host run's progress.
    bool begun_ = false;
    bool fetchPending_ = true;
    Phase phase_ = Phase::Done;
    int32_t nx_ = 0, ny_ = 0;
    int32_t row_ = 0, column_ = 0;
    bool printDrawn_ = false;
    int32_t printX_ = 0, printY_ = 0;
};
