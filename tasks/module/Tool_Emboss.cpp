#include "tasks/module/Tool_Emboss.h"

#include "tasks/module/panels/LdEmbossPanel.h"
#include "tasks/module/panels/LdPanelPlacement.h"

FW_IMPLEMENT_DYNCREATE(CTool_Emboss, CLdTool)

namespace {
constexpr int32_t IDS_EMBOSS_PARAMETER = 96;
}

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Emboss::CTool_Emboss() : CLdTool("Emboss", 50, 51, 52, 144, 19)
{
    angle_.SetValue(45);
    colour_.SetValue(0x808080);
}

QWidget* CTool_Emboss::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    auto panel = std::make_unique<CLdEmbossPanel>();
    panel->Bind(angle_, colour_, LoadResString(IDS_EMBOSS_PARAMETER));
    return LdPlacePanel(std::move(panel), parent, at);
}
