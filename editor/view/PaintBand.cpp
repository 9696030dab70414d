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
    if (update.isEmpty())
        return update;
    // The box of what is to be painted: first the lowest tile row's part of
    // the region, then the leftmost tile of that part; the region is cut
    // once, by the box found.
    QRect box = update.boundingRect();
    const int64_t bottom = CeilTo(int64_t(box.bottom()) + 1 + sy, kViewTile) - sy;
    if (box.top() < bottom - kViewTile)
        box = QRegionRowsBox(update, int(bottom - kViewTile), int(bottom));
    const int64_t left = FloorTo(int64_t(box.left()) + sx, kViewTile) - sx;
    if (box.right() + 1 > left + kViewTile) {
        box.setLeft(int(left));
        box.setRight(int(left + kViewTile - 1));
    }
    return QRegionWithin(update, box);
}
