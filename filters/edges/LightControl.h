// The "&Lightning:" control: a lit sphere in a square, whose ring and
// sector choose the shadow's direction. A click or drag chooses; while
// dragging the light follows the mouse.
#pragma once

#include "filters/edges/LightDirection.h"

#include <QWidget>
#include <functional>
#include <optional>

class LightControl : public QWidget {
public:
    explicit LightControl(QWidget* parent = nullptr);

    int32_t Shadow() const { return ShadowOption(choice_); }
    void SetShadow(int32_t shadow);

    std::function<void()> onChange;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double Radius() const { return (width() - 3) / 2.0; }
    void Choose(const QPoint& p);

    LightChoice choice_;
    std::optional<QPoint> dragging_;
};
