#include "framework/MDIChildWnd.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "framework/ChildrenOf.h"
#include "framework/Document.h"
#include "framework/MDIFrameWnd.h"
#include "framework/View.h"

namespace fw {

::fw::Object* MDIChildWnd::CreateObject()
{
    return new MDIChildWnd;
}
FW_IMPLEMENT_RUNTIMECLASS_NAMED(MDIChildWnd, "CMDIChildWnd", FrameWnd, RuntimeClass::kNoSchema,
                                &MDIChildWnd::CreateObject)

MDIFrameWnd* MDIChildWnd::GetMDIFrame() const
{
    return mdiFrame_.data();
}

MDIChildWnd::MDIChildWnd()
{
    setAcceptDrops(false);
}

MDIChildWnd::~MDIChildWnd()
{
    if (mdiFrame_)
        mdiFrame_->ChildDestroyed(this);
}

void MDIChildWnd::OnMDIActivate(bool activate, MDIChildWnd*, MDIChildWnd*)
{
    if (View* view = GetActiveView()) {
        if (activate) {
            view->OnActivateView(true, view, view);
            view->setFocus();
        } else {
            view->OnActivateView(false, view, view);
        }
    }
}

void MDIChildWnd::MDIActivate()
{
    if (mdiFrame_)
        mdiFrame_->MDIActivate(this);
}

bool MDIChildWnd::IsMaximizedChild() const
{
    return subWindow_ && subWindow_->isMaximized();
}

void MDIChildWnd::ActivateFrame(bool show)
{
    if (!subWindow_) {
        FrameWnd::ActivateFrame(show);
        return;
    }
    if (!show) {
        subWindow_->hide();
        return;
    }
    FrameWnd::show();
    subWindow_->show();
    MDIActivate();
}

void MDIChildWnd::OnUpdateFrameTitle(bool)
{
    Document* doc = GetActiveDocument();
    if (!doc) {
        const auto views = ChildrenOf<View>(this);
        doc = views.empty() ? nullptr : views.front()->GetDocument();
    }
    const QString title = doc ? QString::fromStdString(doc->GetTitle()) : QString();
    setWindowTitle(title);
    if (subWindow_)
        subWindow_->setWindowTitle(title);
    if (mdiFrame_ && mdiFrame_->MDIGetActive() == this)
        mdiFrame_->OnUpdateFrameTitle(true);
}

void MDIChildWnd::DestroyWindow()
{
    if (IsDestroying())
        return;
    if (mdiFrame_)
        mdiFrame_->ChildDestroyed(this);
    QMdiSubWindow* window = subWindow_;
    FrameWnd::DestroyWindow();
    if (window) {
        window->hide();
        if (mdiFrame_)
            mdiFrame_->GetMdiArea()->removeSubWindow(window);
        window->deleteLater();
    }
}

}  // namespace fw
