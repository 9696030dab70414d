#include "editor/ui/ScaledPreviewControl.h"

#include "blt/qt/QPainterDC.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/TileWalk.h"
#include "editor/ui/QtRegion.h"
#include "editor/ui/SysColor.h"
#include "editor/ui/WaitCursor.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"
#include "render/PixConverter.h"
#include "render/StretchRenderObj.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Reduce with method 2, 1 : 1 and enlarge with method 1.
constexpr int kSmoothStretch = 0x112;


}  // namespace

ScaledPreviewControl::ScaledPreviewControl(const PpQnRenderObj& picture, bool showEffect, QWidget* parent)
    : QFrame(parent), picture_(picture), showEffect_(showEffect)
{
    fw::SetControlId(this, IDC_PREVIEW);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    // A fixed size: the dialogs fit the picture into it before it is shown.
    setFixedSize(kWidth, kHeight);
    if (picture_)
        pictureRect_ = picture_->GetRect(QnXFormXY());
}

QnRect ScaledPreviewControl::FitRect(const QnRect& p, const QnRect& c)
{
    const int64_t pw = p.Width(), ph = p.Height(), cw = c.Width(), ch = c.Height();
    if (pw <= 0 || ph <= 0)
        return QnRect{c.left, c.top, c.left, c.top};
    if (ph * cw <= ch * pw) {
        const int32_t height = int32_t(ph * cw / pw);
        const int32_t top = int32_t((int64_t(c.top) + c.bottom - height) / 2);
        return QnRect{c.left, top, c.right, top + height};
    }
    const int32_t width = int32_t(ch * pw / ph);
    const int32_t left = int32_t((int64_t(c.left) + c.right - width) / 2);
    return QnRect{left, c.top, left + width, c.bottom};
}

QnRect ScaledPreviewControl::Client() const
{
    const QRect r = contentsRect();
    return QnRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void ScaledPreviewControl::GetFitTransform(QnXFormXY& out) const
{
    const QnRect fit = FitRect(pictureRect_, Client());
    if (!picture_ || fit.IsEmpty()) {
        out = QnXFormXY();
        return;
    }
    out = QnXFormXY(pictureRect_, QnRect{0, 0, int32_t(fit.Width()), int32_t(fit.Height())});
}

void ScaledPreviewControl::SetExpression(const PpQnExpr& function)
{
    function_ = function;
    Refresh();
}

void ScaledPreviewControl::ShowEffect(bool showEffect)
{
    showEffect_ = showEffect;
    Refresh();
}

void ScaledPreviewControl::Refresh()
{
    blt_.ForceFullRepaint();
    result_ = nullptr;
    update();
}

void ScaledPreviewControl::MakeReducedCopy()
{
    const WaitCursor waiting;
    QnXFormXY fit;
    GetFitTransform(fit);
    const QnRect size = FitRect(pictureRect_, Client());
    const PpQnPicture copy(int32_t(size.Width()), int32_t(size.Height()), WA_RGB24, nullptr);
    const QnStretchRenderObj::PlaneFmt format{3, 1, 3, 1};
    const PpQnRenderObj colour = picture_->GetSpacedRender(PpQnPixConverter(PpQnPixConverter::TAG{}), 0);
    const PpQnStretchRenderObj stretch(fit, kSmoothStretch, colour, 1, &format,
                                       PpQnPixConverter(PpQnPixConverter::TAG{}), -1);
    uint64_t done = 0;
    CopyIntoTiles(PpQnRenderObj(stretch), copy, nullptr, done, 0, "ScaledPreviewControl");
    picture_ = PpQnRenderObj(copy);
    reduced_ = 1;
}

PpQnRenderObj ScaledPreviewControl::Result()
{
    if (!result_) {
        const WaitCursor waiting;
        QnMachineContext machine;
        const PpQnExpr value = machine.eval(PpQnExpr(function_, PpQnExpr(PpQnFlVal(picture_))), nullptr);
        result_ = QnCheckedCast<QnRenderObj>(QnValueOf(value), "ScaledPreviewControl", 193);
    }
    return result_;
}

void ScaledPreviewControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    fw::GuardedCall([&] {
        QPainter painter(this);
        const QnRect client = Client();
        const QColor face = LdQColor(LdGetSysColor(LD_COLOR_BTNFACE));
        painter.fillRect(contentsRect(), face);
        if (!picture_ || pictureRect_.IsEmpty())
            return;
        if (!reduced_)
            MakeReducedCopy();
        const PpQnRenderObj shown = showEffect_ && function_ ? Result() : picture_;
        const QnRect own = shown->GetRect(QnXFormXY());
        if (own.IsEmpty())
            return;
        const QnRect placed = FitRect(own, client);
        const QnRgn update = LdToQnRgn(event->region()) * QnRgn(client);
        QPainterDC dc(painter, event->region());
        blt_.Draw(dc, update, shown, 0, 0, QnXFormXY(own, placed), QnXFormXY(), 0, nullptr);
    });
}
