// The main window of a multiple-document program: an MDI area holding the
// child frames. Commands go to the active child frame (its view, document,
// template and the child itself) before the main frame and the application.
// Activation and deactivation of children are both reported to them. The
// active child is the frame's own record: another top-level window taking
// the activation (a tool window, a dialog) leaves it as it is.
#pragma once

#include "framework/FrameWnd.h"

class QMdiArea;
class QMdiSubWindow;

namespace fw {

class MDIChildWnd;

class MDIFrameWnd : public FrameWnd {
    FW_DECLARE_DYNAMIC(MDIFrameWnd)

public:
    explicit MDIFrameWnd(QWidget* parent = nullptr);
    ~MDIFrameWnd() override;

    QMdiArea* GetMdiArea() const { return mdiArea_; }
    MDIChildWnd* MDIGetActive() const { return active_; }
    void MDIActivate(MDIChildWnd* child);
    std::vector<MDIChildWnd*> GetChildren() const;
    // Puts a new child frame into the MDI area (hidden until activated).
    void AddChild(MDIChildWnd* child);

    View* GetActiveView() const override;
    FrameWnd* GetActiveFrame() override;
    bool OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui) override;
    const MessageMap* GetMessageMap() const override;
    void OnUpdateFrameTitle(bool addToTitle) override;

    // Window menu commands.
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();

    // A child is going away: reported to it as deactivation when it was active.
    void ChildDestroyed(MDIChildWnd* child);

protected:
    bool event(QEvent* e) override;

private:
    void OnSubWindowActivated(QMdiSubWindow* window);
    void SetActiveChild(MDIChildWnd* child);

    QMdiArea* mdiArea_;
    MDIChildWnd* active_ = nullptr;
    bool reactivating_ = false;  // the frame is being activated again
};

}  // namespace fw
