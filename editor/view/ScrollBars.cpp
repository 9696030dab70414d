#include "editor/view/ScrollBars.h"

#include <algorithm>

namespace {

void Place(ScrollAxis& axis, int32_t total, int32_t pos, bool centre)
{
    const int64_t range = int64_t(total) - axis.client;
    if (range < 1) {
        axis.range = 0;
        axis.position = centre ? int32_t(range / 2) : 0;
    } else {
        axis.range = int32_t(range);
        axis.position = std::clamp(pos, 0, axis.range);
    }
}

}  // namespace

ScrollLayout LayOutScrollBars(int32_t totalX, int32_t totalY, int32_t clientX, int32_t clientY, int32_t barSize,
                              int32_t posX, int32_t posY, bool centre)
{
    ScrollLayout l;
    // A bar is needed when the extent passes the client, or passes it less
    // the other bar while the other direction needs one.
    const bool needX = totalX > clientX;
    const bool needY = totalY > clientY;
    l.x.bar = needX || (needY && totalX > clientX - barSize);
    l.y.bar = needY || (needX && totalY > clientY - barSize);
    l.x.client = std::max(0, clientX - (l.y.bar ? barSize : 0));
    l.y.client = std::max(0, clientY - (l.x.bar ? barSize : 0));
    Place(l.x, totalX, posX, centre);
    Place(l.y, totalY, posY, centre);
    return l;
}
