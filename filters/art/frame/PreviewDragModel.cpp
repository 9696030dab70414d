#include "filters/art/frame/PreviewDragModel.h"

bool PreviewDragModel::Press(int32_t x, int32_t y, bool movable)
{
    if (!movable)
        return false;
    lastX_ = x;
    lastY_ = y;
    dragging_ = true;
    return true;
}

std::optional<PreviewDragModel::Step> PreviewDragModel::Move(int32_t x, int32_t y)
{
    if (!dragging_ || (x == lastX_ && y == lastY_))
        return std::nullopt;
    // The crop moves against the hand, so the picture moves with it.
    const Step step{lastX_ - x, lastY_ - y};
    lastX_ = x;
    lastY_ = y;
    return step;
}

bool PreviewDragModel::Release()
{
    if (!dragging_)
        return false;
    dragging_ = false;
    return true;
}
