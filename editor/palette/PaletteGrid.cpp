#include "editor/palette/PaletteGrid.h"

#include <algorithm>

int CLdPaletteGrid::Columns(int clientWidth) const { return std::max(clientWidth / cellWidth, 1); }

QPoint CLdPaletteGrid::CellOrigin(int i, int clientWidth) const
{
    const int columns = Columns(clientWidth), row = i / columns;
    return QPoint((i - row * columns) * cellWidth, row * cellHeight);
}

int CLdPaletteGrid::HitTest(QPoint p, int scroll, int count, int clientWidth) const
{
    const QPoint at(p.x(), p.y() + scroll);
    for (int i = 0; i < count; ++i)
        if (CellRect(i, clientWidth).contains(at))
            return i;
    return -1;
}
