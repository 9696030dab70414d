#include "tasks/module/Tool_Paste.h"

#include "framework/Clipboard.h"
#include "framework/MessageBox.h"

FW_IMPLEMENT_DYNCREATE(CTool_Paste, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Paste::CTool_Paste() : CWrenkitCommandTool("Paste", 166, 167, 168, 182, 55) {}

int CTool_Paste::Execute()
{
    if (!fw::Clipboard::HasDib()) {
        fw::MessageBox(LoadResString(IDS_CLIPBOARD_EMPTY), fw::MB_OK);
        return 0;
    }
    return CWrenkitCommandTool::Execute();
}
