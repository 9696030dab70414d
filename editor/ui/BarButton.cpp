#include "editor/ui/BarButton.h"

#include "editor/ui/ProgramEnvironment.h"
#include "editor/ui/SysColor.h"
#include "editor/ui/TexturedBackground.h"
#include "framework/EventGuard.h"

#include <QMouseEvent>
#include <QPainter>

CBarButton::CBarButton(QWidget* parent)
    : QAbstractButton(parent),
      textColour(LdGetSysColor(LD_COLOR_BTNTEXT)),
      shadowColour(LdGetSysColor(LD_COLOR_GRAYTEXT)),
      captionFont(LdPointFont(80, "MS Sans Serif"))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted, background included.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBarButton::SetBitmap(uint32_t resourceId)
{
    bitmapResourceId_ = resourceId;
    const auto bitmap = LdLoadProgramBitmap(resourceId);
    picture_ = CBarButtonPicture(bitmap ? *bitmap : QImage());
    update();
}

void CBarButton::SetBitmap(const QImage& picture)
{
    bitmapResourceId_ = 0;
    picture_ = CBarButtonPicture(picture);
    update();
}

void CBarButton::DrawImage(QPainter& painter, const QRect& r) const
{
    if (picture_.IsNull())
        return;
    picture_.DrawShadow(painter, layout.ShadowPos(r, picture_.Size()), LdQColor(shadowColour));
    picture_.Draw(painter, layout.PicturePos(r, picture_.Size(), false));
}

void CBarButton::ClearHot()
{
    state_.ClearHot();
    update();
}

CBarButtonLook CBarButton::Look() const
{
    return LdChooseBarLook(isEnabled(), isDown(), hasFocus(), state_.Hot());
}

void CBarButton::paintEvent(QPaintEvent*)
{
    const QRect r = rect();
    QPainter painter(this);
    PaintTexturedBackground(this, painter, r, backgroundOrigin);
    const CBarButtonLook look = Look();

    if (!text().isEmpty()) {
        painter.setFont(LdMakeFont(captionFont));
        painter.setPen(LdQColor(look == CBarButtonLook::Disabled ? shadowColour : textColour));
        painter.drawText(layout.CaptionRect(r, look),
                         Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextDontClip |
                             Qt::TextShowMnemonic,
                         text());
    }
    if (!picture_.IsNull()) {
        picture_.DrawShadow(painter, layout.ShadowPos(r, picture_.Size()), LdQColor(shadowColour));
        if (look != CBarButtonLook::Disabled)
            picture_.Draw(painter, layout.PicturePos(r, picture_.Size(), look == CBarButtonLook::Pressed));
    }
    if (look == CBarButtonLook::Hot || look == CBarButtonLook::Pressed)
        LdDraw3dRect(painter, r, LdQColor(LdGetSysColor(LD_COLOR_BTNHIGHLIGHT)),
                     LdQColor(LdGetSysColor(LD_COLOR_3DDKSHADOW)));
}

bool CBarButton::Apply(const CBarButtonReaction& reaction)
{
    if (reaction.takeFocus)
        setFocus(Qt::MouseFocusReason);
    if (reaction.releaseCapture && isDown()) {
        setDown(false);
        pressCancelled_ = true;
    }
    if (reaction.wave)
        fw::GuardedCall([&] { LdPlayProgramWave(reaction.wave); });
    if (reaction.repaint)
        update();
    return reaction.defaultHandling;
}

void CBarButton::mouseMoveEvent(QMouseEvent* event)
{
    if (Apply(state_.MouseMove(rect().contains(event->position().toPoint()))) && !pressCancelled_)
        QAbstractButton::mouseMoveEvent(event);
}

void CBarButton::leaveEvent(QEvent* event)
{
    Apply(state_.MouseLeave());
    QAbstractButton::leaveEvent(event);
}

void CBarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    pressCancelled_ = false;
    if (Apply(state_.LeftButtonDown()))
        QAbstractButton::mousePressEvent(event);
}

void CBarButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    const bool cancelled = pressCancelled_;
    pressCancelled_ = false;
    if (Apply(state_.LeftButtonUp()) && !cancelled)
        QAbstractButton::mouseReleaseEvent(event);
}
