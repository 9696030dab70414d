#include "tasks/module/panels/LdBrushPanel.h"

#include "editor/loadable/ToolParams.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "tasks/module/panels/LdEditorResources.h"

#include <QLabel>

namespace {

// The editor's name of a brush type. The strings after the five name other
// things, so a type beyond them has no name.
std::string TypeName(int32_t type)
{
    return type >= 0 && type < LdBrushStripOf(LdBrushField::Type).count
               ? LdLoadEditorString(CLdBrushPanel::IDS_FIRST_BRUSH_TYPE + uint32_t(type))
               : std::string();
}

}  // namespace

// 325 x 47 dialog units.
CLdBrushPanel::CLdBrushPanel(QWidget* parent)
    : CLdBrushFramesPanel({LdBrushField::Shape, LdBrushField::Size, LdBrushField::Smooth, LdBrushField::Type},
                          QSize(488, 76), kHelpId, parent)
{
}

void CLdBrushPanel::CreateControls()
{
    CLdBrushFramesPanel::CreateControls();
    auto* label = new QLabel(this);
    fw::SetControlId(label, IDC_TYPE_TEXT);
    AddBesideFrames(label);
}

bool CLdBrushPanel::OnInitDialog()
{
    if (CBrushParams* brush = GetParams())
        typeText = TypeName(brush->mode);
    return CLdBrushFramesPanel::OnInitDialog();
}

void CLdBrushPanel::DoDataExchange(fw::DataExchange& dx) { fw::DDX_Text(dx, IDC_TYPE_TEXT, typeText); }

void CLdBrushPanel::OnValueChosen(LdBrushField field, int index)
{
    if (field == LdBrushField::Type)
        typeText = TypeName(index);
}
