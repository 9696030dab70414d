#include "filters/rubber/RandomWarpEngine.h"

#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PreviewTile.h"
#include "platform/TickClock.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace randomfield;

RandomWarpEngine::RandomWarpEngine(FilterRecord* record, const SevenLongParams* params)
    : DisplacementEngine(record), params_(params), tickSeed_(platform::TickClock::Now()),
      seed_(params->freeze ? 1u : tickSeed_), size_(SizeOf(params->type, params->size)),
      strength_(StrengthOf(params->strength))
{
}

RandomWarpEngine::~RandomWarpEngine() { ShutupRandomGenerator(&field_); }

int32_t RandomWarpEngine::SizeOf(int32_t kind, int32_t stored)
{
    return std::clamp(stored, 1, kind == kErosion ? 16 : 100);
}

int32_t RandomWarpEngine::StrengthOf(int32_t stored) { return std::clamp(stored, 1, 100); }

bool RandomWarpEngine::Begin()
{
    field_.sign = 1;
    // The box may be ticked in the dialog after the engine was made.
    seed_ = params_->freeze ? 1u : tickSeed_;
    ModuleRandom().Seed(seed_);
    lastPlane_ = -1;
    lastRow_ = -1;
    x_ = y_ = nullptr;
    kind_ = params_->type;
    const int32_t count = std::max(0, workWidth_) + 10;
    int32_t made = 1;
    switch (kind_) {
    case kRipples: made = InitSmoothGenerator(&field_, count, strength_, size_, size_); break;
    case kErosion: made = InitErosion(&field_, count, 400, size_); break;
    case kExcitations: made = InitRandomGenerator(&field_, count, 4 * strength_, size_, size_); break;
    default: break; // a kind no dialog offers leaves the picture as it is
    }
    if (!made) {
        DisplacementEngine::End();
        return false;
    }
    return DisplacementEngine::Begin();
}

void RandomWarpEngine::End()
{
    DisplacementEngine::End();
    ShutupRandomGenerator(&field_);
    x_ = y_ = nullptr;
}

bool RandomWarpEngine::PrepareRow(int32_t row, bool preview)
{
    const int32_t kind = params_->type;
    size_ = SizeOf(kind, params_->size);
    strength_ = StrengthOf(params_->strength);
    if (preview && record_) {
        // The tile is a reduced picture: sizes and moves shrink with it.
        const int32_t filterWidth = std::max(1, record_->filterRect.right - record_->filterRect.left);
        size_ = int32_t(int64_t{size_} * workWidth_ / filterWidth);
        strength_ = int32_t(int64_t{workHeight_} * strength_ / filterWidth);
    }
    const int16_t plane = record_ ? record_->outLoPlane : int16_t(0);
    if (plane != lastPlane_ && plane >= 0) {
        End();
        if (!Begin())
            return false;
        lastPlane_ = plane;
    }
    if (row != lastRow_) {
        lastRow_ = row;
        const int32_t count = std::max(0, workWidth_) + 10;
        switch (kind_) {
        case kRipples: PrepareSmooth(&field_, &x_, &y_, count, row); break;
        case kErosion: PrepareErosion(&field_, &x_, &y_, count); break;
        case kExcitations: PrepareRandomShifts(&field_, &x_, &y_, count); break;
        default: break;
        }
    }
    return true;
}

bool RandomWarpEngine::HostRow(int32_t row)
{
    if (!PrepareRow(row, false))
        return FailForMemory();
    return DisplacementEngine::HostRow(row);
}

void RandomWarpEngine::PreviewRow(int32_t row, PreviewTile& tile)
{
    if (PrepareRow(row, true))
        DisplacementEngine::PreviewRow(row, tile);
}

void RandomWarpEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    *srcX16 = x16;
    *srcY16 = y16;
    if (!x_ || !y_)
        return;
    const int32_t dx = x_[x16 >> 4], dy = y_[x16 >> 4];
    switch (kind_) {
    case kExcitations:
        *srcX16 = x16 + dx;
        *srcY16 = y16 + dy;
        break;
    case kErosion:
        *srcX16 = x16 + dx * strength_ / 200;
        *srcY16 = y16 + dy * strength_ / 200;
        break;
    case kRipples:
        *srcX16 = x16 + dx * size_ / 8;
        *srcY16 = y16 + dy * size_ / 8;
        break;
    default: break;
    }
}

bool RandomWarpEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    // Host runs only: the stored size and strength. Field values are
    // 16-bit; each kind's couplings bound them further where they damp.
    const int32_t kind = params_->type;
    const double size = SizeOf(kind, params_->size), strength = StrengthOf(params_->strength);
    constexpr double kWidest = 32768;
    double move = 0;
    switch (kind) {
    case kRipples: move = strength * size / 8; break;
    case kErosion: {
        int32_t lx = 0, ly = 0;
        ErosionLengths(int32_t(size), &lx, &ly);
        const double kx = Coupling(lx), ky = Coupling(ly);
        const double a = std::abs(std::trunc(400 * (1 - ky * ky / 4096) * (1 - kx * kx / 4096)));
        // A value takes one spread from its left and one from above, each
        // a 16-bit product shifted by 6: at most 512 apiece.
        double value = a + 2 * 512 + 2;
        if (kx + ky < 64)
            value = std::min(value, (a + 2) * 64 / (64 - kx - ky));
        move = value * strength / 200;
        break;
    }
    case kExcitations: {
        const double k = Coupling(int32_t(size));
        const double a = std::trunc(4 * strength * (1 - k * k / 4096));
        const double along = std::min(kWidest, (a + 1) * 64 / (64 - k));
        move = std::min(kWidest, (along + 1) * 64 / (64 - k));
        break;
    }
    default: break;
    }
    return RowsWithin(first, last, ReachRows(move + 1, std::max(0, workHeight_)), top, bottom);
}
