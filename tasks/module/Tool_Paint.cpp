#include "tasks/module/Tool_Paint.h"

#include "tasks/module/panels/LdBrushPanel.h"

FW_IMPLEMENT_DYNCREATE(CTool_Paint, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Paint::CTool_Paint() : CWrenkitBrushTool("Paint", 59, 60, 61, 152, 21) {}

QWidget* CTool_Paint::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    return CreateBrushPanel<CLdBrushPanel>(parent, at);
}
