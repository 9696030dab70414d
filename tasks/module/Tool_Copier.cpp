#include "tasks/module/Tool_Copier.h"

#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_Copier, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Copier::CTool_Copier() : CLdTool("Copier", 10, 11, 12, 133, 68) {}

int CTool_Copier::Execute()
{
    CLdWizardServices::Editor().SendCommand(ID_COPIER);
    return 0;
}
