#include "tasks/module/Tool_Textures.h"

#include "tasks/module/LdEffectsMenu.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_Textures, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Textures::CTool_Textures() : CLdTool("Textures", 196, 197, 198, 191, 64) {}

int CTool_Textures::Execute()
{
    CLdEffectsMenu::TrackAtCursor(CLdWizardServices::Editor(), CLdEffectsMenu::kTextures);
    return 0;
}
