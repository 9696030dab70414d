// The engine of Explosions and Collapses: a picture pushed out from its
// centre or pulled in, either along a random star-shaped radius profile
// (Burst, Blot, Earth quake, Quick sands) or by single pixels thrown
// radially at random (Splash, Black hole). The random field comes from the
// module's own generator, restarted for every colour plane so that all
// planes move alike; "Freeze" starts it from 1 so that runs repeat.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/SevenLongParams.h"
#include "platform/WinRand.h"

#include <cstdint>
#include <vector>

class BurstEngine : public DisplacementEngine {
public:
    enum Variant : int32_t { kBurst, kBlot, kSplash, kEarthQuake, kQuickSands, kBlackHole };

    // The seed of a run without "Freeze" is the tick count taken here.
    BurstEngine(FilterRecord* record, const SevenLongParams* params);

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    void End() override;
    bool HostRow(int32_t row) override;
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    static bool Scatters(int32_t variant) { return variant == kSplash || variant == kBlackHole; }
    // The amplitude of a work area width pixels wide, in 1/16 pixel.
    static int32_t Amplitude(int32_t width, int32_t strength);
    // Steps of one profile segment for a work area width pixels wide.
    static int32_t SegmentSteps(int32_t width, int32_t peaks);

    int32_t Seed() const { return int32_t(seed_); }
    int32_t R() const { return r_; }
    // The profile: 2N entries, peaks and valleys of the radius in 1/16 pixel.
    const std::vector<int32_t>& Profile() const { return profile_; }

private:
    using Position = void (BurstEngine::*)(int32_t x, int32_t y, int32_t* sx, int32_t* sy);

    bool BuildProfile(int32_t variant);
    // Sources lie at q times their distance from the centre: the range of
    // q when the radius divisor t runs over lowest..highest (1/16 pixel).
    void NoteRatios(int64_t lowest, int64_t highest);
    void ProfileMap(int32_t x, int32_t y, int32_t* sx, int32_t* sy);
    void Scatter(int32_t x, int32_t y, int32_t* sx, int32_t* sy);

    const SevenLongParams* params_;
    uint32_t tickSeed_;
    uint32_t seed_;
    int16_t lastPlane_ = -1;
    platform::WinRand rand_;
    Position position_ = nullptr;
    bool collapse_ = false;
    int32_t density_ = 0;
    int32_t r_ = 16;
    int32_t rMax_ = 0;
    int32_t half_ = 0; // N
    std::vector<int32_t> profile_;
    double ratioLow_ = 1;
    double ratioHigh_ = 1;
};
