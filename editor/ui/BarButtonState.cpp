#include "editor/ui/BarButtonState.h"

CBarButtonLook LdChooseBarLook(bool enabled, bool pushed, bool focused, bool hot)
{
    if (!enabled)
        return CBarButtonLook::Disabled;
    if (pushed)
        return CBarButtonLook::Pressed;
    if (focused && hot)
        return CBarButtonLook::Hot;
    return CBarButtonLook::Normal;
}

CBarButtonReaction CBarButtonState::MouseMove(bool inside)
{
    CBarButtonReaction reaction;
    if (capture_) {
        if (inside) {
            reaction.defaultHandling = true;
        } else {
            reaction.releaseCapture = true;
            reaction.repaint = true;
            capture_ = false;
            hot_ = false;
        }
        return reaction;
    }
    if (!inside)
        return reaction;  // not ours: without the capture only moves over us come here
    reaction.takeCapture = true;
    reaction.takeFocus = true;
    capture_ = true;
    if (!hot_) {
        hot_ = true;
        reaction.repaint = true;
        reaction.wave = LD_WAVE_HOVER;
    }
    return reaction;
}

CBarButtonReaction CBarButtonState::LeftButtonDown()
{
    CBarButtonReaction reaction;
    reaction.wave = LD_WAVE_PRESS;
    reaction.repaint = true;
    reaction.defaultHandling = true;
    capture_ = true;
    return reaction;
}

CBarButtonReaction CBarButtonState::LeftButtonUp()
{
    CBarButtonReaction reaction;
    reaction.repaint = true;
    reaction.defaultHandling = true;
    hot_ = false;
    capture_ = false;
    return reaction;
}

QRect CBarButtonLayout::CaptionRect(const QRect& r, CBarButtonLook look) const
{
    switch (look) {
    case CBarButtonLook::Pressed:
        return r.translated(pressOffset, pressOffset - 2);
    case CBarButtonLook::Disabled:
        return r;
    default:
        return r.translated(-pressOffset, -pressOffset - 2);
    }
}

QPoint CBarButtonLayout::PicturePos(const QRect& r, const QSize& image, bool pressed) const
{
    // Rectangles here are the system's: right and bottom exclusive.
    const int32_t right = r.left() + r.width();
    const int32_t bottom = r.top() + r.height();
    int32_t x = r.left() + (centreHorizontally ? (right - image.width() - r.left()) / 2 : 1);
    int32_t y = r.top() + (centreVertically ? (bottom - r.top() - image.height()) / 2 : 1);
    if (pressed) {
        x += pressOffset;
        y += pressOffset;
    }
    return QPoint(x, y);
}

QPoint CBarButtonLayout::ShadowPos(const QRect& r, const QSize& image) const
{
    const int32_t right = r.left() + r.width();
    const int32_t bottom = r.top() + r.height();
    const int32_t x = r.left() + (centreHorizontally ? (right - image.width() - r.left()) / 2 + pressOffset + 1
                                                     : pressOffset + 2);
    const int32_t y = r.top() + (centreVertically ? (bottom - r.top() - image.height()) / 2 + pressOffset + 1
                                                  : pressOffset + 2);
    return QPoint(x, y);
}
