#include "editor/ui/PreviewControl.h"

#include "base/QnExcept.h"
#include "blt/Blt.h"
#include "blt/qt/QPainterDC.h"
#include "blt/qt/QRegionRgn.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/ui/PreviewFunction.h"
#include "editor/ui/ProgramCursor.h"
#include "editor/ui/SysColor.h"
#include "editor/ui/WaitCursor.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "lang/MachineContext.h"
#include "render/Rgn.h"
#include "render/XFormXY.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Per axis with client size c and picture size p: a picture that fits is
// centred whatever was asked; a larger one may not leave a gap at either end.
int32_t Clamp(int32_t v, int32_t c, int32_t p)
{
    if (p <= c)
        return (c - p) / 2;
    if (v > 0)
        return 0;
    if (v < c - p)
        return c - p;
    return v;
}


}  // namespace

PreviewControl::PreviewControl(const PpQnRenderObj& picture, bool showEffect, QWidget* parent)
    : QWidget(parent), picture_(picture), showEffect_(showEffect)
{
    fw::SetControlId(this, IDC_PREVIEW);
    setMinimumSize(160, 120);
    if (picture_) {
        const QnRect r = picture_->GetRect(QnXFormXY());
        pictureWidth_ = int32_t(r.Width());
        pictureHeight_ = int32_t(r.Height());
    }
}

void PreviewControl::SetEffect(const PpQnExpr& effect)
{
    effect_ = effect;
    update();
}

void PreviewControl::EnablePreview(bool showEffect)
{
    showEffect_ = showEffect;
    update();
}

bool PreviewControl::CanScroll() const
{
    return pictureWidth_ > width() || pictureHeight_ > height();
}

QnPoint PreviewControl::GetOffset()
{
    if (!offsetSet_) {
        offset_ = QnPoint{(width() - pictureWidth_) / 2, (height() - pictureHeight_) / 2};
        offsetSet_ = true;
    }
    return offset_;
}

QnPoint PreviewControl::ClampOffset(QnPoint p) const
{
    return QnPoint{Clamp(p.x, width(), pictureWidth_), Clamp(p.y, height(), pictureHeight_)};
}

void PreviewControl::SetOffset(QnPoint p)
{
    offset_ = ClampOffset(p);
    offsetSet_ = true;
}

QnPoint PreviewControl::Offset()
{
    return ClampOffset(GetOffset());
}

void PreviewControl::ShowCursor()
{
    if (dragging_)
        setCursor(LdProgramCursor(kDragCursor, Qt::ClosedHandCursor));
    else if (picture_ && CanScroll())
        setCursor(LdProgramCursor(kScrollCursor, Qt::OpenHandCursor));
    else
        unsetCursor();
}

void PreviewControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ShowCursor();
}

void PreviewControl::paintEvent(QPaintEvent* event)
{
    fw::GuardedCall([&] {
        QPainter painter(this);
        const QnRgn update = QnRgnFromQRegion(event->region());
        const QnPoint at = Offset();
        const QnRect shown{at.x, at.y, at.x + pictureWidth_, at.y + pictureHeight_};
        const QnRgn around = picture_ ? update - QnRgn(shown) : update;
        for (const QnRect& r : around.rects())
            painter.fillRect(QRect(r.left, r.top, int(r.Width()), int(r.Height())),
                             LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
        if (!picture_)
            return;
        if (!effect_ || !showEffect_ || dragging_)
            PaintPlain(painter, update, at);
        else
            PaintEffect(painter, update, at);
    });
}

void PreviewControl::Draw(QPainter& painter, const QnRgn& update, const PpQnRenderObj& obj, QnPoint at)
{
    QnBlt blitter(width(), height());
    QPainterDC dc(painter);
    blitter.Draw(dc, update, obj, -at.x, -at.y, QnXFormXY(), QnXFormXY(), 0, nullptr);
}

void PreviewControl::PaintPlain(QPainter& painter, const QnRgn& update, QnPoint at)
{
    Draw(painter, update, picture_, at);
}

void PreviewControl::PaintEffect(QPainter& painter, const QnRgn& update, QnPoint at)
{
    // Only the visible range of each axis is cut out: a picture larger than
    // the control is drawn from the control's edge, one that fits where it is.
    QnRect part{0, 0, pictureWidth_, pictureHeight_};
    QnPoint drawAt = at;
    if (pictureWidth_ > width()) {
        part.left = -at.x;
        part.right = width() - at.x;
        drawAt.x = 0;
    }
    if (pictureHeight_ > height()) {
        part.top = -at.y;
        part.bottom = height() - at.y;
        drawAt.y = 0;
    }
    if (part.Width() <= 0 || part.Height() <= 0)
        return;
    const PpQnExpr cut = MakePreviewExpr(PpQnExpr(PpQnFlVal(picture_)), part.left, part.top, part.right, part.bottom);
    PpQnRenderObj shown;
    try {
        WaitCursor wait;
        QnMachineContext machine;
        lastResult_ = machine.eval(PpQnExpr(effect_, cut), nullptr);
        shown = QnCheckedCast<QnRenderObj>(QnValueOf(lastResult_), "PreviewControl", __LINE__);
    } catch (const QnExcept&) {
        // An effect that cannot be previewed leaves the picture as it is.
        PaintPlain(painter, update, at);
        return;
    }
    Draw(painter, update, shown, drawAt);
}

void PreviewControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !picture_ || !CanScroll())
        return QWidget::mousePressEvent(event);
    grabMouse();
    dragging_ = true;
    update();
    const QnPoint o = Offset();
    const QPoint p = event->position().toPoint();
    dragAnchor_ = QnPoint{o.x - p.x(), o.y - p.y()};
    ShowCursor();
}

void PreviewControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return QWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    SetOffset(QnPoint{dragAnchor_.x + p.x(), dragAnchor_.y + p.y()});
    update();
}

void PreviewControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    releaseMouse();
    dragging_ = false;
    ShowCursor();
    update();
}
