#include "tasks/module/Tool_Deform.h"

#include "tasks/module/LdEffectsMenu.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_Deform, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Deform::CTool_Deform() : CLdTool("Deform", 121, 122, 123, 158, 40) {}

int CTool_Deform::Execute()
{
    CLdEffectsMenu::TrackAtCursor(CLdWizardServices::Editor(), CLdEffectsMenu::kDeformations);
    return 0;
}
