// A round control in which the mouse places a shaded ball at one of a few
// directions and distances from the centre (the shadow-direction picker of
// the frame dialog: 4 directions, 2 distances). The control keeps itself
// square; a click emits clicked() once the ball is placed.
#pragma once

#include "editor/ui/BallGeometry.h"

#include <QAbstractButton>
#include <QImage>

class CBallButton : public QAbstractButton {
public:
    explicit CBallButton(QWidget* parent = nullptr);

    int32_t Distance() const { return ball_.distance; }
    int32_t Direction() const { return ball_.direction; }
    int32_t BallRadius() const { return CBallGeometry::BallRadius(width()); }
    const CBallGeometry& Geometry() const { return ball_; }

    // Neither repaints; callers update the control when they return true.
    bool SetDistance(int32_t value) { return ball_.SetDistance(value); }
    bool SetDirection(int32_t value) { return ball_.SetDirection(value); }
    void SetMaxDistance(int32_t value) { ball_.SetMaxDistance(value); }
    void SetDirectionSteps(int32_t value) { ball_.SetDirectionSteps(value); }

    // The sphere with the ball and its sunken edge, w pixels square.
    QImage Render(int32_t w) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Places the ball under the mouse and repaints when it moved.
    void PlaceAt(const QMouseEvent* event);

    CBallGeometry ball_;
};
