// The calendar dialog's view of the page: draws the sketch, and lets the
// user select a shape with a click, select by dragging a frame around it,
// and move or resize the selection by dragging it or one of its edges
// (Shift keeps a drag horizontal, vertical or diagonal).
#pragma once

#include <QWidget>

#include "render/Rect.h"

class CLdCalendarDialog;
class CVSketch;

class CLdCalendarView : public QWidget {
public:
    static constexpr int kControlId = 1;

    CLdCalendarView(CVSketch& sketch, CLdCalendarDialog* dialog, QWidget* parent);

    // The point a Shift drag from press to point ends at: along the axis it
    // is nearest to, or the diagonal.
    static QnPoint ConstrainPoint(const QnPoint& press, const QnPoint& point);
    // The frame drawn while dragging, in window units; empty when none.
    const QnRect& DragRect() const { return dragRect; }

    int zoom = 100;
    int dragging = 0;
    QnPoint pressPoint;
    int moved = 0;
    QnPoint startPoint;
    QnRect dragRect;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QnPoint ToSketch(const QnPoint& p) const;
    QnRect SelectionInWindow() const;
    // The frame for a drag that has reached point.
    QnRect FrameAt(const QnPoint& point) const;
    void UpdateCursor(int handle);

    CVSketch& sketch_;
    CLdCalendarDialog* dialog_;
};
