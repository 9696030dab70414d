#include "editor/operations/FrameGeometry.h"

int32_t BevelOffset(int32_t profile, int32_t t, int32_t n)
{
    if (n <= 0)
        return 0;
    switch (profile) {
    case 0:
        if (t < n / 6)
            return -80;
        return t > 5 * n / 6 ? 80 : 0;
    case 1:
        if (t < (n + 3) / 6)
            return -40;
        if (t < (n + 2) / 4)
            return -80;
        if (t < (n + 1) / 3)
            return 80;
        if (t < (2 * n + 1) / 3)
            return (t - (n + 1) / 2) * 480 / n;
        if (t <= (3 * n + 2) / 4)
            return -80;
        return t > (5 * n + 3) / 6 ? 40 : 80;
    case 2:
        return (t - n / 2) * 160 / n;
    default:
        return 0;
    }
}

FrameTiling FrameTiling::For(int32_t length, int32_t frameWidth)
{
    FrameTiling tiling;
    const int32_t k = frameWidth > 0 ? length / frameWidth : 0;
    if (k <= 0) {
        // A side shorter than one piece (or no frame): one stretched tile.
        tiling.tile = length > 0 ? length : 1;
        tiling.widening = frameWidth + (length > 0 ? length : 0);
        return tiling;
    }
    const int32_t rest = length - k * frameWidth;
    tiling.tile = rest >= k ? rest / k + frameWidth : frameWidth;
    const int32_t leftover = length - k * tiling.tile;
    tiling.widening = frameWidth + length - leftover * (tiling.tile + 1);
    return tiling;
}

int32_t FrameTiling::PieceOffset(int32_t p, int32_t frameWidth, int32_t size) const
{
    const int32_t origin = p < widening ? frameWidth : widening;
    const int32_t length = p < widening ? tile : tile + 1;
    int32_t along = (p - origin) % length;
    if (along < 0)
        along += length;
    return int32_t(int64_t(along) * size / length);
}

FramePixelClass ClassifyFramePixel(int32_t x, int32_t y, int32_t W, int32_t H, int32_t F, int32_t M)
{
    using K = FramePixelClass;
    const int32_t E = F + M;
    if (y < F) {
        if (x < y)
            return {K::Corner, kSideLeft};
        if (x < F)
            return {K::Corner, kSideTop};
        if (x < W - F)
            return {K::Side, kSideTop};
        return {K::Corner, x >= W - y ? kSideRight : kSideTop};
    }
    if (y < E || (y > H - E && y < H - F)) {
        if (x < F)
            return {K::Side, kSideLeft};
        return x >= W - F ? K{K::Side, kSideRight} : K{K::Mat};
    }
    if (y <= H - E) {
        if (x < F)
            return {K::Side, kSideLeft};
        if (x < E)
            return {K::Mat};
        if (x <= W - E)
            return {K::Inside};
        return x >= W - F ? K{K::Side, kSideRight} : K{K::Mat};
    }
    if (x < H - y)
        return {K::Corner, kSideLeft};
    if (x < F)
        return {K::Corner, kSideBottom};
    if (x < W - F)
        return {K::Side, kSideBottom};
    return {K::Corner, x < W - H + y ? kSideBottom : kSideRight};
}

int32_t MatBevelSteps(int32_t x, int32_t y, int32_t W, int32_t H, int32_t E, int32_t light)
{
    int32_t d = 0;
    bool shadow = false;
    if (E - 5 < y && y < E && y <= x && x <= W - y) {
        d = E - y;
        shadow = light == 2 || light == 3;
    } else if (E - 5 < x && x < E && x < y && y < H - x) {
        d = E - x;
        shadow = light == 0 || light == 3;
    } else if (W - E < x && x < W - E + 5 && W - x < y && y < H + x - W) {
        d = x - (W - E);
        shadow = light == 1 || light == 2;
    } else if (H - E < y && y < H - E + 5 && H - y <= x && x <= W + y - H) {
        d = y - (H - E);
        shadow = light == 0 || light == 1;
    } else {
        return 0;
    }
    return shadow ? d - 5 : d;
}
