#include "tasks/module/Tool_Effects.h"

#include "tasks/module/LdEffectsMenu.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_Effects, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Effects::CTool_Effects() : CLdTool("Effects", 62, 63, 64, 140, 22) {}

int CTool_Effects::Execute()
{
    CLdEffectsMenu::TrackAtCursor(CLdWizardServices::Editor(), CLdEffectsMenu::kArtwork);
    return 0;
}
