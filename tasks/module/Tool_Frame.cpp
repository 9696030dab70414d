#include "tasks/module/Tool_Frame.h"

#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_Frame, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Frame::CTool_Frame() : CWrenkitPictureTool("Frame", 264, 265, 266, 200, 220) {}

int CTool_Frame::Execute()
{
    CLdWizardServices::Editor().SendCommand(HasPicture() ? ID_FRAMES : ID_FILE_OPEN);
    return 0;
}
