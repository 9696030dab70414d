// The angle display of the art dialogs (window class "ZvSfAngleClass"):
// shows the angle its dialog sets as a needle in a circle. It takes no
// input.
#pragma once

#include <QWidget>
#include <cstdint>

class ArtAngleDisplay : public QWidget {
public:
    static constexpr const char* kClassName = "ZvSfAngleClass";

    explicit ArtAngleDisplay(QWidget* parent = nullptr);

    // The angle in degrees, shown at once.
    void SetAngle(int32_t degrees);
    int32_t Angle() const { return angle_; }

    QSize sizeHint() const override { return QSize(48, 48); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t angle_ = 0;
};
