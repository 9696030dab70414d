// The engine of Warp: the picture deformed through a mesh of 5 x 5
// handles. A 9 x 9 lattice reaching a cell beyond each edge carries the
// handles' offsets; its five inner columns and rows are curves through
// their lattice points, evaluated once per pixel row (the columns) and per
// pixel column (the rows). Before each row, every column finds the pair of
// deformed curves it lies between, across and down, and reads its source
// at the same place between the curves' rest positions.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/WarpParams.h"

#include <array>
#include <vector>

class WarpEngine : public DisplacementEngine {
public:
    static constexpr int32_t kLattice = 9;

    // params stays the host's block, which the dialog writes before the
    // preview and host runs begin.
    WarpEngine(FilterRecord* record, const WarpParams* params);

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    void End() override;
    bool HostRow(int32_t row) override;
    void PreviewRow(int32_t row, PreviewTile& tile) override;
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    // The source positions of every column of row (1/16 pixel).
    void BuildRow(int32_t row);
    // A handle's offset in thousandths, as the dialog allows it.
    static int32_t OffsetOf(int32_t stored);

private:
    const WarpParams* params_;
    // Lattice points (column k, row l) in 1/16 pixel.
    std::array<std::array<int64_t, kLattice>, kLattice> latticeX_{}, latticeY_{};
    // The five deformed columns' x at each pixel row, and the five rows' y
    // at each pixel column, in 1/16 pixel.
    std::array<std::vector<int32_t>, 5> columnX_, rowY_;
    std::vector<int32_t> sourceX_, sourceY_;
    int32_t reach_ = 0;
};
