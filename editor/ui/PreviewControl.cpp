#include "editor/ui/PreviewControl.h"

#include "editor/ui/SysColor.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"

#include <QPainter>

PreviewControl::PreviewControl(std::shared_ptr<CLdPreviewPicture> picture, bool showEffect, QWidget* parent)
    : QFrame(parent), picture_(std::move(picture)), showEffect_(showEffect)
{
    fw::SetControlId(this, IDC_PREVIEW);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setMinimumSize(160, 120);
}

void PreviewControl::SetEffect(const CLdConversion& effect)
{
    effect_ = effect;
    update();
}

void PreviewControl::EnablePreview(bool showEffect)
{
    showEffect_ = showEffect;
    update();
}

void PreviewControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    fw::GuardedCall([&] {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.fillRect(inside, LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
        if (!picture_)
            return;
        const QImage image = picture_->Render(ShownEffect(), inside.size());
        if (image.isNull())
            return;
        const QPoint at = inside.topLeft() + QPoint((inside.width() - image.width()) / 2,
                                                    (inside.height() - image.height()) / 2);
        painter.drawImage(at, image);
    });
}
