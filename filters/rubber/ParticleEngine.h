// The engine of Gravity, Wind and Pixel storm: picture content moved
// along random streams. Gravity lets it run down in drips, row offsets
// stepped from rows of random nodes; Wind smears it along a direction
// through a grid of random nodes over the turned picture; Pixel storm
// throws single pixels along a direction. The random numbers come from
// the module's own generator, started again for every colour plane so
// that all planes move alike; "Freeze" starts it from 1 so runs repeat.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/GravityField.h"
#include "filters/rubber/SevenLongParams.h"
#include "filters/rubber/WindField.h"
#include "platform/WinRand.h"

#include <cstdint>

class ParticleEngine : public DisplacementEngine {
public:
    enum Type : int32_t { kGravity = 0, kWind = 1, kPixelStorm = 2 };

    // The seed of a run without "Freeze" is the tick count taken here.
    ParticleEngine(FilterRecord* record, const SevenLongParams* params);

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    void End() override;
    bool HostRow(int32_t row) override;
    void PreviewRow(int32_t row, PreviewTile& tile) override;
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    // What the row operations do before a row: the field started again
    // for a new colour plane, and Gravity's offsets of a new row. False
    // when memory runs out.
    bool PrepareRow(int32_t row);

    int32_t Seed() const { return int32_t(seed_); }
    // The direction's cosine and sine, times 1024, truncated.
    static int32_t Cos1024(int32_t degrees);
    static int32_t Sin1024(int32_t degrees);

private:
    void Storm(int32_t x, int32_t y, int32_t* sx, int32_t* sy);

    const SevenLongParams* params_;
    uint32_t tickSeed_;
    uint32_t seed_;
    platform::WinRand rand_;
    int32_t type_ = -1;
    int32_t strength_ = 1;
    int32_t density_ = 1;
    int32_t rx_ = 1, ry_ = 1, d_ = 1;
    int32_t cos_ = 0, sin_ = 0;
    int16_t lastPlane_ = -1;
    int32_t lastRow_ = -1;
    GravityField gravity_;
    WindField wind_;
};
