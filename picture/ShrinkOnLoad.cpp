#include "picture/ShrinkOnLoad.h"

#include <algorithm>

namespace {

// Loads run on the user-interface thread, as every picture's life does.
int32_t areaWidth = 0;
int32_t areaHeight = 0;

int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

} // namespace

QnShrinkOnLoad::QnShrinkOnLoad(int32_t width, int32_t height) : oldWidth_(areaWidth), oldHeight_(areaHeight)
{
    areaWidth = width;
    areaHeight = height;
}

QnShrinkOnLoad::~QnShrinkOnLoad()
{
    areaWidth = oldWidth_;
    areaHeight = oldHeight_;
}

bool QnShrinkOnLoad::Active() { return areaWidth > 0 && areaHeight > 0; }

int32_t QnShrinkOnLoad::ReductionFor(int32_t width, int32_t height)
{
    if (!Active() || width <= 0 || height <= 0)
        return 1;
    const int64_t fit = std::max(CeilDiv(width, areaWidth), CeilDiv(height, areaHeight));
    int32_t by = 1;
    while (by < 8 && 2 * by <= fit)
        by *= 2;
    return by;
}
