// The angle control of the filter dialogs with a direction: a dial with a
// needle that the user turns with the mouse (grabbing it anywhere) or the
// arrow keys. It reports to its dialog like a horizontal scroll bar: thumb
// track while dragging, thumb position when the drag or the key ends, with
// the reported angle (0 = up, clockwise) as position.
#pragma once

#include "filters/frame/AngleControlModel.h"

#include <QCursor>
#include <QWidget>
#include <cstdint>
#include <functional>

class ZvSfAngleClass : public QWidget {
public:
    using ScrollHandler = std::function<void(uint32_t code, int32_t angle, ZvSfAngleClass* control)>;

    explicit ZvSfAngleClass(QWidget* parent = nullptr);

    // The reported angle (the control's WM_USER query).
    int32_t Reported() const { return model_.Reported(); }
    // Sets the internal angle and shows it at once (WM_USER + 10).
    void SetAngle(int32_t internal);
    const AngleControlModel& Model() const { return model_; }

    void SetScrollHandler(ScrollHandler handler) { onScroll_ = std::move(handler); }
    // The cursor over the dial: the module's own where it ships one.
    void SetDialCursor(const QCursor& cursor) { setCursor(cursor); }

    QSize sizeHint() const override { return QSize(48, 48); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPoint FromCentre(const QPoint& position) const;
    void Report(uint32_t code);

    AngleControlModel model_;
    ScrollHandler onScroll_;
};
