#include "framework/MDIFrameWnd.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "framework/App.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/EventGuard.h"
#include "framework/MDIChildWnd.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(MDIFrameWnd, "CMDIFrameWnd", FrameWnd, RuntimeClass::kNoSchema, nullptr)

MDIFrameWnd::MDIFrameWnd(QWidget* parent) : FrameWnd(parent), mdiArea_(new QMdiArea(this))
{
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* window) { GuardedCall([&] { OnSubWindowActivated(window); }); });
}

MDIFrameWnd::~MDIFrameWnd()
{
    disconnect(mdiArea_, nullptr, this, nullptr);
    active_ = nullptr;
    // The children outlive this part of the frame by a moment; they must not
    // call back into it.
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* child = dynamic_cast<MDIChildWnd*>(window->widget()))
            child->mdiFrame_ = nullptr;
}

std::vector<MDIChildWnd*> MDIFrameWnd::GetChildren() const
{
    std::vector<MDIChildWnd*> children;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* child = dynamic_cast<MDIChildWnd*>(window->widget()); child && !child->IsDestroying())
            children.push_back(child);
    return children;
}

void MDIFrameWnd::AddChild(MDIChildWnd* child)
{
    child->mdiFrame_ = this;
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    // The child frame decides when it goes (FrameWnd::OnClose).
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    child->subWindow_ = window;
    window->hide();
}

void MDIFrameWnd::MDIActivate(MDIChildWnd* child)
{
    if (!child || !child->subWindow_ || child->IsDestroying())
        return;
    // The frame decides which child is active. While another top-level
    // window of the program (the tool palette, a dialog) holds the
    // activation the area ignores the request; it is repeated when the
    // frame is activated again (event()).
    SetActiveChild(child);
    child->subWindow_->raise();
    mdiArea_->setActiveSubWindow(child->subWindow_);
}

void MDIFrameWnd::OnSubWindowActivated(QMdiSubWindow* window)
{
    // The area reports no window whenever the frame loses the activation to
    // another top-level window; its current child stays active then. A child
    // that goes away reports itself (ChildDestroyed).
    if (!window || (reactivating_ && active_))
        return;
    auto* child = dynamic_cast<MDIChildWnd*>(window->widget());
    if (child && !child->IsDestroying())
        SetActiveChild(child);
}

void MDIFrameWnd::SetActiveChild(MDIChildWnd* child)
{
    if (child == active_)
        return;
    MDIChildWnd* old = active_;
    active_ = child;
    if (old)
        old->OnMDIActivate(false, child, old);
    if (child)
        child->OnMDIActivate(true, child, old);
    OnUpdateFrameTitle(true);
}

bool MDIFrameWnd::event(QEvent* e)
{
    if (e->type() != QEvent::WindowActivate && e->type() != QEvent::ActivationChange)
        return FrameWnd::event(e);
    // Activated again, the area brings back the child it last activated
    // itself, which need not be the frame's: the frame's child wins.
    const bool outer = !reactivating_;
    reactivating_ = true;
    const bool handled = FrameWnd::event(e);
    if (outer) {
        reactivating_ = false;
        if (active_ && active_->subWindow_ && mdiArea_->activeSubWindow() != active_->subWindow_)
            mdiArea_->setActiveSubWindow(active_->subWindow_);
    }
    return handled;
}

void MDIFrameWnd::ChildDestroyed(MDIChildWnd* child)
{
    if (active_ != child)
        return;
    active_ = nullptr;
    child->OnMDIActivate(false, nullptr, child);
    OnUpdateFrameTitle(true);
}

View* MDIFrameWnd::GetActiveView() const
{
    return active_ ? active_->GetActiveView() : nullptr;
}

FrameWnd* MDIFrameWnd::GetActiveFrame()
{
    return active_ ? static_cast<FrameWnd*>(active_) : this;
}

bool MDIFrameWnd::OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui)
{
    if (active_ && active_->OnCmdMsg(id, code, ui))
        return true;
    return FrameWnd::OnCmdMsg(id, code, ui);
}

const MessageMap* MDIFrameWnd::GetMessageMap() const
{
    static const MessageMap map = MessageMap(FrameWnd::GetMessageMap())
                                      .OnCommand(ID_WINDOW_CASCADE, &MDIFrameWnd::OnWindowCascade)
                                      .OnCommand(ID_WINDOW_TILE_HORZ, &MDIFrameWnd::OnWindowTile)
                                      .OnCommand(ID_WINDOW_TILE_VERT, &MDIFrameWnd::OnWindowTile)
                                      .OnCommand(ID_WINDOW_ARRANGE, &MDIFrameWnd::OnWindowArrange);
    return &map;
}

void MDIFrameWnd::OnUpdateFrameTitle(bool add)
{
    App* app = App::Get();
    std::string title = app ? app->GetAppTitle() : std::string();
    if (add && addToTitle && active_)
        if (Document* doc = active_->GetActiveDocument(); doc && !doc->GetTitle().empty())
            title = title.empty() ? doc->GetTitle() : title + " - " + doc->GetTitle();
    setWindowTitle(QString::fromStdString(title));
}

void MDIFrameWnd::OnWindowCascade()
{
    mdiArea_->cascadeSubWindows();
}

void MDIFrameWnd::OnWindowTile()
{
    mdiArea_->tileSubWindows();
}

void MDIFrameWnd::OnWindowArrange()
{
    mdiArea_->tileSubWindows();
}

}  // namespace fw
