// The engine of Random deformations: every pixel moved by a smooth random
// field of one of three kinds, made row by row by the module's generators:
// Ripples (a coarse random grid interpolated), Erosion (values spread into
// their neighbours) or Excitations (values coupled to their neighbours).
// The field starts again from the seed for every colour plane; "Freeze"
// seeds with 1 so that runs repeat. The preview scales size and strength
// to the tile.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/RandomFieldGenerators.h"
#include "filters/rubber/SevenLongParams.h"

class RandomWarpEngine : public DisplacementEngine {
public:
    enum Kind : int32_t { kRipples = 0, kErosion = 1, kExcitations = 2 };

    // The seed of a run without "Freeze" is the tick count taken here.
    RandomWarpEngine(FilterRecord* record, const SevenLongParams* params);
    ~RandomWarpEngine() override;

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    void End() override;
    bool HostRow(int32_t row) override;
    void PreviewRow(int32_t row, PreviewTile& tile) override;
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    // What the row operations do before a row: size and strength for the
    // host or the tile, the field started again for a new colour plane,
    // and the field's next row. False when memory runs out.
    bool PrepareRow(int32_t row, bool preview);

    int32_t Seed() const { return int32_t(seed_); }
    // Size and strength as the dialogs allow them for a kind.
    static int32_t SizeOf(int32_t kind, int32_t stored);
    static int32_t StrengthOf(int32_t stored);

private:
    const SevenLongParams* params_;
    uint32_t tickSeed_;
    uint32_t seed_;
    int32_t kind_ = kExcitations;
    // Size and strength of the rows being made: the host's, or scaled to
    // the preview tile.
    int32_t size_ = 1;
    int32_t strength_ = 1;
    int16_t lastPlane_ = -1;
    int32_t lastRow_ = -1;
    RandomGeneratorRecord field_{};
    int16_t* x_ = nullptr;
    int16_t* y_ = nullptr;
};
