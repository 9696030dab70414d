// A child frame of an MDI program: a frame with its own view, shown in a
// sub-window of the main frame's MDI area.
#pragma once

#include <QMdiSubWindow>
#include <QPointer>

#include "framework/FrameWnd.h"
#include "framework/MDIFrameWnd.h"

class QMdiSubWindow;

namespace fw {

class MDIFrameWnd;

class MDIChildWnd : public FrameWnd {
    FW_DECLARE_DYNCREATE(MDIChildWnd)

public:
    MDIChildWnd();
    ~MDIChildWnd() override;

    MDIFrameWnd* GetMDIFrame() const;
    QMdiSubWindow* GetSubWindow() const { return subWindow_; }

    // The child became active (activate) or stopped being active; activated
    // and deactivated name both children of the change (either may be null).
    virtual void OnMDIActivate(bool activate, MDIChildWnd* activated, MDIChildWnd* deactivated);
    void MDIActivate();
    bool IsMaximizedChild() const;

    void ActivateFrame(bool show = true) override;
    void OnUpdateFrameTitle(bool addToTitle) override;
    void DestroyWindow() override;

protected:
    bool RoutesToApp() const override { return false; }

private:
    friend class MDIFrameWnd;
    // Guarded: a closed child may outlive the main frame until the event
    // loop deletes it.
    QPointer<MDIFrameWnd> mdiFrame_;
    QPointer<QMdiSubWindow> subWindow_;
};

}  // namespace fw
