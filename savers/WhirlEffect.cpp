#include "savers/WhirlEffect.h"

#include <cmath>
#include <cstring>

bool WhirlEffect::SetEffectSize(int32_t size, int32_t strength)
{
    SetSizePercent(size);
    const int32_t e = SquareSizeFor(size, Picture().Width(), Picture().Height());
    const bool changed = e != SquareSize();
    if (changed)
        ReplaceSquare(e);
    strength_ = strength;
    BuildWhirlTable();
    return changed;
}

WhirlEffect::Offset WhirlEffect::Displacement(int32_t i, int32_t j, int32_t e, int32_t strength)
{
    const int64_t C = int64_t(e) * e / 4;
    const int32_t c = e / 2;
    const int64_t dx = j - c;
    const int64_t dy = i - c;
    const int64_t d = dx * dx + dy * dy;
    if (d >= C)
        return {};
    // In floating point: (C - d)^2 and C^2 pass 32 bits for squares of a few
    // hundred pixels.
    const double rim = double(C - d);
    const double a = strength * rim * rim / (10.0 * double(C) * double(C));
    const double fx = double(dx), fy = double(dy);
    return {int16_t(std::trunc(fx * std::cos(a) + fy * std::sin(a) - fx)),
            int16_t(std::trunc(fy * std::cos(a) - fx * std::sin(a) - fy))};
}

void WhirlEffect::BuildWhirlTable()
{
    const int32_t e = SquareSize();
    table_.assign(size_t(e) * size_t(e), Offset{});
    for (int32_t i = 0; i < e; ++i)
        for (int32_t j = 0; j < e; ++j)
            table_[size_t(i) * size_t(e) + size_t(j)] = Displacement(i, j, e, strength_);
}

void WhirlEffect::AdvancePhase()
{
    if (phase_ == kMaxPhase)
        phaseStep_ = -1;
    if (phase_ == 0)
        phaseStep_ = 1;
    phase_ += phaseStep_;
}

void WhirlEffect::ComposeCircle()
{
    const int32_t e = SquareSize();
    const SaverMotion& m = Motion();
    const SaverDib& picture = Picture();
    for (int32_t i = 0; i < e; ++i) {
        const Span span = CircleSpan(i);
        uint8_t* out = SquareLine(i);
        const Offset* row = &TableAt(i, 0);
        for (int32_t j = span.first; j < span.end; ++j) {
            const uint8_t* from = picture.Pixel(m.x + j + phase_ * row[j].x / kMaxPhase,
                                                m.y + i + phase_ * row[j].y / kMaxPhase);
            std::memcpy(out + size_t(j) * 3, from, 3);
        }
    }
}
