#include "tasks/module/Tool_Text.h"

#include "editor/loadable/ToolParams.h"
#include "tasks/module/panels/LdTextPanel.h"
#include "tasks/module/panels/LdPanelPlacement.h"

FW_IMPLEMENT_DYNCREATE(CTool_Text, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Text::CTool_Text() : CLdTool("Text", 65, 66, 67, 141, 23) {}

void CTool_Text::SetParams(fw::Object* params) { params_ = dynamic_cast<CTextParams*>(params); }

QWidget* CTool_Text::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    auto panel = std::make_unique<CLdTextPanel>();
    panel->SetParams(params_);
    panel->SetModule(GetModule());
    return LdPlacePanel(std::move(panel), parent, at);
}
