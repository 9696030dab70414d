#include "editor/view/PaintBand.h"

namespace {

int64_t FloorTo(int64_t v, int64_t step)
{
    const int64_t q = v / step;
    return (q * step > v ? q - 1 : q) * step;
}

int64_t CeilTo(int64_t v, int64_t step)
{
    return -FloorTo(-v, step);
}

}  // namespace

QnRgn PaintBand(const QnRgn& update, int32_t sx, int32_t sy)
{
    QnRgn rgn = update;
    if (!rgn)
        return rgn;
    QnRect box = rgn.box();
    const int64_t bottom = CeilTo(int64_t(box.bottom) + sy, kViewTile) - sy;
    if (box.top < bottom - kViewTile) {
        rgn *= QnRgn(QnRect{box.left, int32_t(bottom - kViewTile), box.right, int32_t(bottom)});
        box = rgn.box();
    }
    const int64_t left = FloorTo(int64_t(box.left) + sx, kViewTile) - sx;
    if (box.right > left + kViewTile)
        rgn *= QnRgn(QnRect{int32_t(left), box.top, int32_t(left + kViewTile), box.bottom});
    return rgn;
}
