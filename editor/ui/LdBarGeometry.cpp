#include "editor/ui/LdBarGeometry.h"

#include <algorithm>

namespace {

constexpr int32_t kButtonHeight = 30;

// Rectangles here keep the system's arithmetic: integer division, the
// stage box given by its two corners.
int32_t Side(const QSize& client) { return std::min(client.width(), client.height()) - 4; }

}  // namespace

CLdBarEdgeButtons CLdBarGeometry::EdgeButtons(int32_t cx, int32_t cy)
{
    const int32_t u = (std::min(cx, cy) - 2) / 9;
    CLdBarEdgeButtons b;
    if (cx < cy) {
        const int32_t y = cy - 32;
        b.home = QRect(2, y, 2 * u, kButtonHeight);
        b.cancel = QRect(3 * u + 2, y, 2 * u, kButtonHeight);
        b.ok = QRect(6 * u + 2, y, 2 * u, kButtonHeight);
    } else {
        const int32_t h = (cy - u - 4) / 2;
        b.cancel = QRect(cx - 32, 2, kButtonHeight, h);
        b.ok = QRect(cx - 32, h + u + 2, kButtonHeight, h);
    }
    return b;
}

QRect CLdBarGeometry::StageBox(const QSize& client)
{
    const int32_t s = Side(client);
    return QRect(QPoint(4, 4), QPoint(s + 4, s + 4) - QPoint(1, 1));
}

CLdBarNavButtons CLdBarGeometry::NavButtons(const QSize& client)
{
    const int32_t s = Side(client);
    const int32_t u = s / 9;
    const int32_t c = (s - u) / 2;
    const int32_t y0 = s + u;
    const int32_t y1 = y0 + u + kButtonHeight;
    const int32_t y2 = y1 + u + kButtonHeight;
    CLdBarNavButtons b;
    b.undo = QRect(2, y0, c, kButtonHeight);
    b.redo = QRect(c + u + 2, y0, c, kButtonHeight);
    b.foreground = QRect(2, y1, c, kButtonHeight);
    b.background = QRect(c + u + 2, y1, c, kButtonHeight);
    b.previous = QRect(2, y2, 2 * u, kButtonHeight);
    b.next = QRect(3 * u + 2, y2, 2 * u, kButtonHeight);
    b.help = QRect(6 * u + 2, y2, 2 * u, kButtonHeight);
    return b;
}

std::vector<QRect> CLdBarGeometry::TaskButtons(const QSize& client, bool vertical, int32_t count,
                                               const QPoint& origin)
{
    const int32_t s = std::min(client.width() - 4, client.height() - 4);
    const int32_t u = s / 6;
    QRect r = QRect(2, 2, s, s).translated(origin);
    const QPoint step = vertical ? QPoint(0, s + u) : QPoint(s + u, 0);
    if (vertical)
        r.translate(0, (u + 90) + (s + u));
    else
        r.translate(u, 0);
    std::vector<QRect> rects;
    for (int32_t i = 0; i < count; ++i, r.translate(step))
        rects.push_back(r);
    return rects;
}

QPoint CLdBarGeometry::PanelPosition(const QSize& client, bool vertical, const QPoint& origin)
{
    const QRect box = StageBox(client);
    // The box's right and bottom are exclusive edges.
    const QPoint at = vertical ? QPoint(0, box.bottom() + 1) : QPoint(box.right() + 1, 0);
    return at + origin;
}
