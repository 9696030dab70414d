#include "savers/ZoomEffect.h"

#include <cstring>

bool ZoomEffect::SetEffectSize(int32_t size, int32_t)
{
    SetSizePercent(size);
    ReplaceSquare(SquareSizeFor(size, Picture().Width(), Picture().Height()));
    return true;
}

int32_t ZoomEffect::Offset(int32_t corner, int32_t e, int32_t side)
{
    if (side <= e)
        return 0;
    return int32_t(int64_t(corner) * e / (2 * (int64_t(side) - e)));
}

void ZoomEffect::ComposeCircle()
{
    const int32_t e = SquareSize();
    const SaverMotion& m = Motion();
    const int32_t ox = Offset(m.x, e, Picture().Width());
    const int32_t oy = Offset(m.y, e, Picture().Height());
    for (int32_t i = 0; i < e; ++i) {
        const Span span = CircleSpan(i);
        uint8_t* out = SquareLine(i);
        const uint8_t* from = Picture().Pixel(m.x + ox, m.y + oy + i / 2);
        for (int32_t j = span.first; j < span.end; ++j)
            std::memcpy(out + size_t(j) * 3, from + size_t(j / 2) * 3, 3);
    }
}
