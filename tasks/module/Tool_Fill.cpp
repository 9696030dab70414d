#include "tasks/module/Tool_Fill.h"

#include "editor/loadable/ToolParams.h"
#include "tasks/module/panels/LdFillPanel.h"
#include "tasks/module/panels/LdPanelPlacement.h"

FW_IMPLEMENT_DYNCREATE(CTool_Fill, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Fill::CTool_Fill() : CLdTool("Fill", 267, 268, 269, 205, 206) {}

void CTool_Fill::SetParams(fw::Object* params) { params_ = dynamic_cast<CFillParams*>(params); }

QWidget* CTool_Fill::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    auto panel = std::make_unique<CLdFillPanel>();
    panel->SetParams(params_);
    return LdPlacePanel(std::move(panel), parent, at);
}
