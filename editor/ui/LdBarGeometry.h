// Where a dialog bar puts its controls, from its client size alone: the
// fixed buttons along its edge, the stage box with the rows of navigation
// buttons, and the column (or row) of task buttons. Rectangles are x, y,
// width, height.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

struct CLdBarEdgeButtons {
    QRect cancel;
    QRect ok;
    // Empty on a horizontal bar: Home stays where it is.
    QRect home;
};

struct CLdBarNavButtons {
    QRect undo, redo;
    QRect foreground, background;
    QRect previous, next, help;
};

class CLdBarGeometry {
public:
    // A bar narrower than high is vertical.
    static bool IsVertical(const QSize& client) { return client.width() < client.height(); }

    // Cancel, OK and Home when the bar is sized to cx by cy: along the
    // bottom of a vertical bar, at the right end of a horizontal one.
    static CLdBarEdgeButtons EdgeButtons(int32_t cx, int32_t cy);

    // The square at the top-left that shows the selected stage's picture
    // (or the comment box).
    static QRect StageBox(const QSize& client);
    // The three rows under the stage box.
    static CLdBarNavButtons NavButtons(const QSize& client);

    // The task buttons' rectangles, count of them, down a vertical bar
    // (below the stage box and the rows) or across a horizontal one, moved
    // by the bar's scroll origin.
    static std::vector<QRect> TaskButtons(const QSize& client, bool vertical, int32_t count, const QPoint& origin);

    // Where a tool's option panel goes: under the stage box of a vertical
    // bar, right of it on a horizontal one.
    static QPoint PanelPosition(const QSize& client, bool vertical, const QPoint& origin);
};
