#include "tasks/module/Tool_Wallpaper.h"

#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/LdWallpaperDialog.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_Wallpaper, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Wallpaper::CTool_Wallpaper() : CWrenkitPictureTool("Wallpaper", 1, 2, 3, 130, 65) {}

int CTool_Wallpaper::Execute()
{
    CLdEditorHost& editor = CLdWizardServices::Editor();
    if (!HasPicture()) {
        CLdSourceDialog::AskForPicture(editor);
        return 0;
    }
    CLdWallpaperSetter setter(dib_, dibSize_, CLdWizardServices::SystemFolder(), CLdWizardServices::Registry(),
                              CLdWizardServices::Wallpaper());
    editor.MinimizeMainWindow();
    {
        CLdWallpaperDialog dialog(dib_, dibSize_, setter, editor.MainWindow());
        dialog.DoModal();
    }
    editor.RestoreMainWindow();
    return 0;
}
