#include "editor/frame/ChildFrm.h"

#include "editor/view/Lodo40View.h"
#include "editor/view/ViewTool.h"

FW_IMPLEMENT_DYNCREATE(CChildFrame, fw::MDIChildWnd)

void CChildFrame::OnMDIActivate(bool activate, fw::MDIChildWnd* activated, fw::MDIChildWnd* deactivated)
{
    fw::MDIChildWnd::OnMDIActivate(activate, activated, deactivated);
    auto* view = dynamic_cast<CLodo40View*>(GetActiveView());
    CLdViewHost* host = LdViewHost();
    if (!host)
        return;
    host->ViewActivated(activate ? view : nullptr);
    // The text and the selection outline are drawn over the picture.
    const int mode = host->ViewMode();
    if (view && (mode == 1 || mode == 4))
        view->viewport()->update();
}
