#include "tasks/module/Tool_Select.h"

#include "editor/loadable/SelectParams.h"
#include "tasks/module/panels/LdSelectPanel.h"
#include "tasks/module/panels/LdPanelPlacement.h"

FW_IMPLEMENT_DYNCREATE(CTool_Select, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Select::CTool_Select() : CLdTool("Select", 56, 57, 58, 156, 41) {}

void CTool_Select::SetParams(fw::Object* params) { params_ = dynamic_cast<CSelectParams*>(params); }

QWidget* CTool_Select::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    auto panel = std::make_unique<CLdSelectPanel>();
    panel->SetParams(params_);
    panel->SetModule(GetModule());
    return LdPlacePanel(std::move(panel), parent, at);
}
