#include "render/CalcRect.h"

#include "render/RenderRcStr.h"

namespace {

// One axis: [start, end) holds x; returns the block's start and end.
QnRange CalcRange(int32_t x, int32_t start, int32_t end, int32_t size)
{
    if (int64_t(size) < int64_t(end) - x)
        return QnRange{x, int32_t(int64_t(x) + size)};
    if (int64_t(end) - start >= size)
        return QnRange{int32_t(int64_t(end) - size), end};
    return QnRange{start, end};
}

} // namespace

QnRect QnCalcRect(const QnPoint& anchor, const QnRect& rect, int32_t w, int32_t h)
{
    if (!rect.Contains(anchor))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "render");
    const QnRange x = CalcRange(anchor.x, rect.left, rect.right, w);
    const QnRange y = CalcRange(anchor.y, rect.top, rect.bottom, h);
    return QnRect{x.start, y.start, x.end, y.end};
}
