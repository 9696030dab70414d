#include "editor/view/PaintBand.h"

#include "blt/qt/QRegionBands.h"

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

QRegion PaintBand(const QRegion& update, int32_t sx, int32_t sy)
{
    QRegion rgn = update;
    if (rgn.isEmpty())
        return rgn;
    QRect box = rgn.boundingRect();
    const int64_t bottom = CeilTo(int64_t(box.bottom()) + 1 + sy, kViewTile) - sy;
    if (box.top() < bottom - kViewTile) {
        box.setTop(int(bottom - kViewTile));
        rgn = QRegionWithin(rgn, box);
        box = rgn.boundingRect();
    }
    const int64_t left = FloorTo(int64_t(box.left()) + sx, kViewTile) - sx;
    if (box.right() + 1 > left + kViewTile) {
        box.setLeft(int(left));
        box.setRight(int(left + kViewTile - 1));
        rgn = QRegionWithin(rgn, box);
    }
    return rgn;
}
