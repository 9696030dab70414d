#include "editor/ui/StitchGeometry.h"

#include <algorithm>

QnPoint ClampStitchShift(const QnPoint& shift, const StitchSizes& s)
{
    return QnPoint{std::clamp(shift.x, -s.upperWidth, std::max(-s.upperWidth, s.lowerWidth)),
                   std::clamp(shift.y, -s.upperHeight, std::max(-s.upperHeight, s.lowerHeight))};
}

QnPoint StitchPlacement(int edges, const StitchSizes& s, const QnPoint& custom)
{
    switch (edges) {
    case kRightOfUpperLeftOfLower: return QnPoint{s.lowerWidth, 0};
    case kBottomOfUpperTopOfLower: return QnPoint{0, s.lowerHeight};
    case kLeftOfUpperRightOfLower: return QnPoint{-s.upperWidth, 0};
    case kTopOfUpperBottomOfLower: return QnPoint{0, -s.upperHeight};
    default: break;
    }
    return ClampStitchShift(custom, s);
}

QnRect StitchCanvas(const StitchSizes& s)
{
    return QnRect{0, 0, s.lowerWidth + 2 * s.upperWidth, s.lowerHeight + 2 * s.upperHeight};
}

QnRect StitchLowerRect(const StitchSizes& s)
{
    return QnRect{s.upperWidth, s.upperHeight, s.upperWidth + s.lowerWidth, s.upperHeight + s.lowerHeight};
}

QnRect StitchUpperRect(const StitchSizes& s, const QnPoint& shift)
{
    return QnRect{s.upperWidth + shift.x, s.upperHeight + shift.y, 2 * s.upperWidth + shift.x,
                  2 * s.upperHeight + shift.y};
}

QnPoint StitchAlignMarkers(const QnPoint& lower, const QnPoint& upper, const StitchSizes& sizes)
{
    return ClampStitchShift(QnPoint{lower.x - upper.x, lower.y - upper.y}, sizes);
}

int StitchZoomLevel(double ratio)
{
    if (ratio >= 1)
        return int(ratio + 0.5);
    return int(-0.5 - 1 / ratio);
}

double StitchZoomRatio(int level)
{
    return level >= 1 ? double(level) : 1.0 / double(level <= -1 ? -level : 1);
}

int StitchZoomIn(int level)
{
    if (level >= 32)
        return 0;
    if (level == -2)
        return 1;
    if (level >= -1 && level <= 1)
        return 2;
    return level + 2;
}

int StitchZoomOut(int level)
{
    if (level < -31)
        return 0;
    if (level >= -1 && level <= 1)
        return -2;
    if (level == 2)
        return 1;
    return level - 2;
}

int32_t StitchReduction(const QnPoint& frame, const QnPoint& screen)
{
    if (frame.x <= screen.x && frame.y <= screen.y)
        return 1;
    auto ceilDiv = [](int32_t a, int32_t b) { return b > 0 ? (a + b - 1) / b : 1; };
    return std::max(ceilDiv(frame.x, screen.x), ceilDiv(frame.y, screen.y));
}
