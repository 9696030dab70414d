#include "drawctx/qt/ZvWindow.h"

#include "framework/Dialog.h"
#include "framework/EventGuard.h"

#include <QMetaObject>
#include <QPointer>
#include <QRegion>

void ZvParentSink::OnZvDropFiles(const QStringList&, ZvWindow*) {}

ZvWindow::ZvWindow(QWidget* parent, uint32_t id, uint32_t style) : QWidget(parent), id_(id), style_(style) {}

intptr_t ZvWindow::SendMessage(uint32_t, uintptr_t, intptr_t) { return 0; }

void ZvWindow::OnPaletteChanged(ZvWindow*) {}

void ZvWindow::Invalidate(const QnRgn* rgn, bool)
{
    if (!rgn) {
        update();
        return;
    }
    QRegion region;
    for (const QnRect& r : rgn->rects())
        region += QRect(r.left, r.top, int(r.Width()), int(r.Height()));
    update(region);
}

void ZvWindow::PostCommandToParent(int code)
{
    QPointer<ZvWindow> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, code] {
            if (!self)
                return;
            QWidget* parent = self->parentWidget();
            fw::GuardedCall([&] {
                if (auto* sink = dynamic_cast<ZvParentSink*>(parent))
                    sink->OnZvCommand(self->id_, code, self);
                else if (auto* dialog = dynamic_cast<fw::Dialog*>(parent))
                    dialog->OnCommand(self->id_);
            });
        },
        Qt::QueuedConnection);
}

void ZvWindow::PassDropToParent(const QStringList& files)
{
    if (auto* sink = dynamic_cast<ZvParentSink*>(parentWidget()))
        sink->OnZvDropFiles(files, this);
}
