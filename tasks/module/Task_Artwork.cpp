#include "tasks/module/Task_Artwork.h"

FW_IMPLEMENT_DYNCREATE(CTask_Artwork, CLdTask)

// Caption, tool tip and comment strings, button bitmap, help id.
CTask_Artwork::CTask_Artwork() : CWrenkitTask("Artwork", 245, 246, 247, 136, 13) {}
