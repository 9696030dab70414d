#include "tasks/module/Tool_FunHouse.h"

#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdEffectsMenu.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_FunHouse, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_FunHouse::CTool_FunHouse() : CLdTool("FunHouse", 16, 17, 18, 135, 70) {}

int CTool_FunHouse::Execute()
{
    CLdEditorHost& editor = CLdWizardServices::Editor();
    if (editor.HasActivePicture())
        CLdEffectsMenu::TrackAtCursor(editor, CLdEffectsMenu::kDeformations);
    else
        CLdSourceDialog::AskForPicture(editor);
    return 0;
}
