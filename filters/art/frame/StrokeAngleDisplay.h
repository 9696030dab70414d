// The stroke-angle display of the Graphic pen dialog (window class
// "ZvSfStrAngleClass"): a framed area with random strokes in the direction
// its dialog sets. The strokes come from a generator of the control's own,
// so painting never moves the filters' random sequence.
#pragma once

#include "platform/WinRand.h"

#include <QWidget>
#include <cstdint>

class StrokeAngleDisplay : public QWidget {
public:
    static constexpr const char* kClassName = "ZvSfStrAngleClass";

    explicit StrokeAngleDisplay(QWidget* parent = nullptr);

    void SetAngle(int32_t degrees);
    int32_t Angle() const { return angle_; }

    QSize sizeHint() const override { return QSize(64, 48); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t angle_ = 0;
    platform::WinRand rand_;
};
