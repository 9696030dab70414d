// The brush display of the brush dialogs (window class "ZvSfDIBCtl"): shows
// the packed DIB it owns turned by an angle, framed raised when it has the
// focus and sunken otherwise, and tells its dialog when it is clicked or
// Enter or Space is pressed in it (the dialog then opens its brush list).
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

class DibControl : public QWidget {
public:
    static constexpr const char* kClassName = "ZvSfDIBCtl";

    struct FrameColours {
        QRgb topLeft;
        QRgb bottomRight;
    };
    // White edges face the light while it has the focus.
    static FrameColours FrameOf(bool focused);

    explicit DibControl(QWidget* parent = nullptr);

    // Sets the angle; shown at the next paint.
    void SetAngle(int32_t degrees) { angle_ = degrees; }
    int32_t Angle() const { return angle_; }
    // Takes dib in place of the one held.
    void SetDib(std::vector<uint8_t> dib);
    const std::vector<uint8_t>& Dib() const { return dib_; }

    QSize sizeHint() const override { return QSize(33, 33); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Posts the control's id to its dialog as a command.
    void PostCommand();

    int32_t angle_ = 0;
    std::vector<uint8_t> dib_;
};
