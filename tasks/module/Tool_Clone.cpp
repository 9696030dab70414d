#include "tasks/module/Tool_Clone.h"

#include "tasks/module/panels/LdClonePanel.h"

FW_IMPLEMENT_DYNCREATE(CTool_Clone, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Clone::CTool_Clone() : CWrenkitBrushTool("Clone", 258, 259, 260, 198, 204) {}

QWidget* CTool_Clone::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    return CreateBrushPanel<CLdClonePanel>(parent, at);
}
