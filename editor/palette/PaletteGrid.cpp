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

int LdPaletteScrollChange(LdScrollCode code, int pos, int thumb, int total)
{
    const int page = std::max(total / 10, 1);
    int d = 0;
    switch (code) {
    case LdScrollCode::LineUp: d = -1; break;
    case LdScrollCode::LineDown: d = 1; break;
    case LdScrollCode::PageUp: d = -page; break;
    case LdScrollCode::PageDown: d = page; break;
    case LdScrollCode::Thumb: d = thumb - pos; break;
    case LdScrollCode::Top: d = -pos; break;
    case LdScrollCode::Bottom: d = total - pos; break;
    case LdScrollCode::Other: d = 0; break;
    }
    d = std::min(d, total - pos);
    if (d <= -pos)
        d = -pos;
    return d;
}

QRect LdLimitPaletteSizing(QRect r, bool leftEdge)
{
    if (leftEdge)
        r.setLeft(std::min(r.left(), r.right() + 1 - CLdPaletteGrid::kMinWidth));
    else
        r.setRight(std::max(r.right(), r.left() - 1 + CLdPaletteGrid::kMinWidth));
    return r;
}
