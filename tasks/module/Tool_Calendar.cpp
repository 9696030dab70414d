#include "tasks/module/Tool_Calendar.h"

#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/LdWizardServices.h"
#include "tasks/module/calendar/LdCalendarDialog.h"

FW_IMPLEMENT_DYNCREATE(CTool_Calendar, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Calendar::CTool_Calendar() : CWrenkitPictureTool("Calendar", 7, 8, 9, 132, 67) {}

int CTool_Calendar::Execute()
{
    CLdEditorHost& editor = CLdWizardServices::Editor();
    if (!HasPicture()) {
        CLdSourceDialog::AskForPicture(editor);
        return 0;
    }
    CLdCalendarDialog dialog(*this, dib_, dibSize_, editor.MainWindow());
    dialog.DoModal();
    return 0;
}
