// The engine of Pinch, Punch, Wave and Whirl: each output position reads
// its source from a closed formula of the filter's type and direction
// mode, in 1/16 pixel with whole-number arithmetic. Begin derives the
// run's constants from the work size, strength and size, and builds the
// sine table for Wave and Whirl. Positions whose source would fall outside
// the picture read themselves.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/SevenLongParams.h"
#include "filters/rubber/SineTable4096.h"

#include <vector>

class AnalyticWarpEngine : public DisplacementEngine {
public:
    enum Type : int32_t { kPinch = 0, kPunch = 1, kWave = 2, kWhirl = 3 };

    // What Begin derives for a run, all in 1/16 pixel but the wave
    // amplitudes' factors and the whirl divisor.
    struct Constants {
        int32_t width, height; // in pixels
        int32_t cx, cy; // centre
        int32_t rx, ry; // half extents less half a pixel
        int32_t e;      // half diagonal
        int32_t m;
        int32_t dx, dy; // pinch divisors
        int32_t px, py; // punch divisors
        int32_t ax, ay; // wave amplitudes
        int32_t ar;     // radial wave amplitude
        int32_t k;      // whirl divisor
    };

    // params stays the host's block, which the dialog writes before the
    // preview and host runs begin.
    AnalyticWarpEngine(FilterRecord* record, const SevenLongParams* params);

    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override;
    bool Begin() override;
    void End() override;
    bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const override;

    // The constants of a work area of width x height pixels.
    static Constants ConstantsOf(int32_t width, int32_t height, int32_t strength, int32_t size);
    const Constants& Run() const { return c_; }
    const SineTable4096& Sine() const { return sine_; }

private:
    using Position = void (AnalyticWarpEngine::*)(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;

    // Distance from the centre with the y offset scaled into x units.
    struct Radial {
        int32_t dx, fy, r;
    };
    Radial RadialOf(int32_t x, int32_t y) const;
    int32_t Unscaled(int32_t v) const;

    void PinchAlongX(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void PinchAlongY(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void PinchRadial(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void PunchAlongX(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void PunchAlongY(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void PunchRadial(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void WaveAlongY(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void WaveAlongX(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void WaveRadial(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    void Whirl(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;
    // The radial result of Pinch, Punch and Whirl: (cx + ux, cy + uy
    // scaled back) when both lie across the x range.
    void RadialResult(int32_t ux, int32_t uy, int32_t* sx, int32_t* sy) const;
    static Position PositionOf(int32_t type, int32_t direction);
    // Where sources lie (AnalyticWarpRows.cpp): the source row of every
    // row for the forms that move rows alone, and for the radial forms the
    // largest move at each distance from the centre and beyond.
    void NoteSourceRows(int32_t type, int32_t direction);
    // The move of a point at distance r (scaled x units) from the centre.
    double RadialMove(int32_t type, int32_t r) const;

    const SevenLongParams* params_;
    Constants c_{};
    int32_t waves_ = 1;
    bool clockwise_ = true;
    Position position_ = nullptr;
    SineTable4096 sine_;
    enum class Moves { kColumns, kRows, kRadially } moves_ = Moves::kColumns;
    std::vector<int32_t> sourceRow_;   // kRows: the source row of each row
    std::vector<double> movesFrom_;    // kRadially: by whole pixels of distance
};
