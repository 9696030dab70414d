// The picture-and-caption button of the task and tool bars: drawn over the
// textured background, with hot, pressed and disabled looks, a transparent
// picture with a drop shadow, and the program's sounds on hover and press.
// A click emits clicked(), which a dialog bar turns into the button's
// command.
#pragma once

#include "editor/ui/BarButtonPicture.h"
#include "editor/ui/BarButtonState.h"
#include "editor/helpdlg/SystemFont.h"
#include "platform/Dib.h"

#include <QAbstractButton>
#include <QPoint>
#include <cstdint>

class CBarButton : public QAbstractButton {
public:
    explicit CBarButton(QWidget* parent = nullptr);

    // Where caption and picture go, and how far pressing moves them; the
    // dialog bar clears centreVertically for its task buttons.
    CBarButtonLayout layout;
    platform::COLORREF textColour;
    // The disabled caption and the picture's shadow.
    platform::COLORREF shadowColour;
    // Handed to the textured background, so that the pattern runs on
    // across the bar and moves with its contents.
    QPoint backgroundOrigin;
    // The caption's font: 8-point MS Sans Serif.
    CLdLogFont captionFont;

    // The program's bitmap id as the picture; an id the program lacks leaves
    // no picture.
    void SetBitmap(uint32_t resourceId);
    // The image as the picture (the button keeps its own copy); a null
    // image is none.
    void SetBitmap(const QImage& picture);
    uint32_t BitmapResourceId() const { return bitmapResourceId_; }
    bool HasPicture() const { return !picture_.IsNull(); }
    const CBarButtonPicture& Picture() const { return picture_; }

    // Draws the picture unpressed, with its shadow, into any painter and
    // rectangle (the bar shows the current task's picture with it).
    void DrawImage(QPainter& painter, const QRect& r) const;

    bool IsHot() const { return state_.Hot(); }
    // Hot is cleared and the button repainted (the bar does this after
    // moving its contents under a still mouse).
    void ClearHot();
    CBarButtonLook Look() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Carries out what the state asked; true when the ordinary handling
    // should see the event.
    bool Apply(const CBarButtonReaction& reaction);

    CBarButtonState state_;
    CBarButtonPicture picture_;
    uint32_t bitmapResourceId_ = 0;
    // The mouse left during a press: the press ends without a click, as a
    // button that lost the capture forgets it was pushed.
    bool pressCancelled_ = false;
};
