#include "editor/view/ViewZoom.h"

#include <algorithm>

namespace {

constexpr int32_t kTop = 32;

// One step up the ladder 1, 2, 4, ... 16, 20, ... 32.
int32_t Up(int32_t n)
{
    if (n == 1)
        return 2;
    if (n <= 16)
        return n + 2;
    return n + 4 > kTop ? n : n + 4;
}

// One step down it.
int32_t Down(int32_t n)
{
    if (n == 2)
        return 1;
    if (n < 16)
        return n - 2;
    return n - 4;
}

int64_t CeilDiv(int64_t a, int64_t b)
{
    return (a + b - 1) / b;
}

QnXForm Axis(int32_t size, ViewZoom zoom)
{
    const int64_t zoomed = std::max<int64_t>(1, int64_t(size) * zoom.num / zoom.den);
    const int32_t from = std::max(size, 1);
    return QnXForm(0, from, 0, int32_t(std::min<int64_t>(zoomed, INT32_MAX)));
}

}  // namespace

ViewZoom ZoomInStep(ViewZoom zoom)
{
    if (zoom.den == 1)
        return ViewZoom{Up(zoom.num), 1};
    return ViewZoom{1, Down(zoom.den)};
}

ViewZoom ZoomOutStep(ViewZoom zoom)
{
    if (zoom.num == 1)
        return ViewZoom{1, Up(zoom.den)};
    return ViewZoom{Down(zoom.num), 1};
}

ViewZoom FitZoom(int64_t width, int64_t height, int64_t clientWidth, int64_t clientHeight)
{
    ViewZoom zoom;
    if (clientWidth < 1 || clientHeight < 1 || width < 1 || height < 1)
        return zoom;
    if (width * clientHeight <= clientWidth * height) {
        if (height > clientHeight)
            zoom.den = int32_t(std::min<int64_t>(CeilDiv(height, clientHeight), INT32_MAX));
    } else if (width > clientWidth) {
        zoom.den = int32_t(std::min<int64_t>(CeilDiv(width, clientWidth), INT32_MAX));
    }
    return zoom;
}

int32_t OpenZoomDen(int64_t extentWidth, int64_t extentHeight, int64_t roomWidth, int64_t roomHeight)
{
    if (roomWidth < 1 || roomHeight < 1)
        return 1;
    const int64_t zx = CeilDiv(std::max<int64_t>(extentWidth, 0), roomWidth);
    const int64_t zy = CeilDiv(std::max<int64_t>(extentHeight, 0), roomHeight);
    int64_t z = std::max(zx, zy);
    if (z <= 1)
        return 1;
    if (z % 2)
        ++z;
    return int32_t(std::min<int64_t>(z, INT32_MAX - 1));
}

QnXFormXY ZoomXForm(int32_t width, int32_t height, ViewZoom zoom)
{
    return QnXFormXY(Axis(width, zoom), Axis(height, zoom));
}
