#include "filters/rubber/RubberMeshModel.h"

#include <algorithm>

bool RubberMeshModel::Press(int32_t x, int32_t y, RubberParams& params)
{
    const bool inside = x > noted_.left && x < noted_.right - 1 && y > noted_.top && y < noted_.bottom - 1;
    if (!inside || dragging_)
        return false;
    dragging_ = true;
    grabX_ = x - noted_.left;
    grabY_ = y - noted_.top;
    dragX_ = dragY_ = 0;
    ResetGrab(params);
    return true;
}

bool RubberMeshModel::Move(int32_t x, int32_t y)
{
    if (!dragging_)
        return false;
    const int32_t width = noted_.right - noted_.left;
    const int32_t height = noted_.bottom - noted_.top;
    dragX_ = std::clamp(x - noted_.left - grabX_, -(grabX_ / 2), (width - grabX_ - 1) / 2);
    dragY_ = std::clamp(y - noted_.top - grabY_, -(grabY_ / 2), (height - grabY_ - 1) / 2);
    return true;
}

bool RubberMeshModel::Release(RubberParams& params)
{
    if (!dragging_)
        return false;
    dragging_ = false;
    const int32_t width = noted_.right - noted_.left;
    const int32_t height = noted_.bottom - noted_.top;
    params.dragX = dragX_ * 1000 / width;
    params.dragY = dragY_ * 1000 / height;
    params.grabX = grabX_ * 1000 / width;
    params.grabY = grabY_ * 1000 / height;
    params.spare = 0;
    return true;
}
