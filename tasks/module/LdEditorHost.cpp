#include "tasks/module/LdEditorHost.h"

#include "framework/App.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/MenuBuilder.h"
#include "framework/PopupMenu.h"
#include "framework/View.h"

#include <QMenu>
#include <memory>

namespace {

class AppEditorHost : public CLdEditorHost {
public:
    QWidget* MainWindow() override { return Frame(); }

    void SendCommand(uint32_t id) override
    {
        // A command the editor could not carry out is its to report; it never
        // travels back into the wizard that asked for it.
        if (fw::FrameWnd* frame = Frame())
            fw::GuardedCall([&] { frame->SendCommand(id); });
    }

    void TrackPopup(const fw::MenuItem& popup, const QPoint& at) override
    {
        fw::FrameWnd* frame = Frame();
        if (!frame)
            return;
        // The frame's own items: its update handlers set their states and a
        // choice goes through its command routing.
        std::unique_ptr<QMenu> menu(fw::CreatePopupMenu(*frame, popup, frame));
        fw::TrackPopupMenu(*menu, at);
    }

    bool HasActivePicture() override
    {
        auto* frame = dynamic_cast<fw::MDIFrameWnd*>(Frame());
        return frame && frame->MDIGetActive();
    }

    void MinimizeMainWindow() override
    {
        if (fw::FrameWnd* frame = Frame())
            frame->setWindowState(frame->windowState() | Qt::WindowMinimized);
    }

    void RestoreMainWindow() override
    {
        if (fw::FrameWnd* frame = Frame())
            frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    }

    void InvalidateActiveView() override
    {
        if (auto* frame = dynamic_cast<fw::MDIFrameWnd*>(Frame()))
            if (fw::MDIChildWnd* child = frame->MDIGetActive())
                if (fw::View* view = child->GetActiveView())
                    view->viewport()->update();
    }

private:
    static fw::FrameWnd* Frame()
    {
        fw::App* app = fw::App::Get();
        return app ? app->GetMainWnd() : nullptr;
    }
};

}  // namespace

CLdEditorHost& CLdEditorHost::Application()
{
    static AppEditorHost host;
    return host;
}
