#include "framework/MiniFrameWnd.h"

#include <QCloseEvent>

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(MiniFrameWnd, "CMiniFrameWnd", CmdTarget, RuntimeClass::kNoSchema, nullptr)

MiniFrameWnd::MiniFrameWnd() : QWidget(nullptr, Qt::Tool) {}

MiniFrameWnd::~MiniFrameWnd() = default;

bool MiniFrameWnd::Create(const std::string& title, const QRect& rect, QWidget* owner, uint32_t id)
{
    setParent(owner, Qt::Tool);
    setWindowTitle(QString::fromStdString(title));
    setGeometry(rect);
    if (id)
        SetControlId(this, id);
    return true;
}

void MiniFrameWnd::OnClose()
{
    DestroyWindow();
}

void MiniFrameWnd::DestroyWindow()
{
    if (destroying_)
        return;
    destroying_ = true;
    GuardedCall([&] { OnDestroy(); });
    hide();
    deleteLater();
}

bool MiniFrameWnd::OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui)
{
    if (CmdTarget::OnCmdMsg(id, code, ui))
        return true;
    App* app = App::Get();
    return app && app->OnCmdMsg(id, code, ui);
}

void MiniFrameWnd::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!destroying_)
        GuardedCall([&] { OnClose(); });
}

}  // namespace fw
