#include "tasks/module/panels/LdClonePanel.h"

#include "editor/loadable/ToolParams.h"

// 202 x 47 dialog units.
CLdClonePanel::CLdClonePanel(QWidget* parent)
    : CLdBrushFramesPanel({LdBrushField::Shape, LdBrushField::Size, LdBrushField::Smooth}, QSize(303, 76), kHelpId, parent)
{
}

bool CLdClonePanel::OnInitDialog()
{
    if (CBrushParams* brush = GetParams())
        brush->mode = 0;  // Color brush
    return CLdBrushFramesPanel::OnInitDialog();
}
