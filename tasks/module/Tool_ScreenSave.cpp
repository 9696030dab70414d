#include "tasks/module/Tool_ScreenSave.h"

#include "framework/EventGuard.h"
#include "framework/MessageBox.h"
#include "platform/ProgramLocation.h"
#include "tasks/module/LdChooseDialog.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdSaverSetup.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/LdWizardServices.h"

FW_IMPLEMENT_DYNCREATE(CTool_ScreenSave, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_ScreenSave::CTool_ScreenSave() : CWrenkitPictureTool("ScreenSave", 4, 5, 6, 131, 66) {}

int CTool_ScreenSave::Execute()
{
    InstallSaverPicture();
    return 0;
}

void CTool_ScreenSave::InstallSaverPicture()
{
    CLdEditorHost& editor = CLdWizardServices::Editor();
    if (!HasPicture()) {
        CLdSourceDialog::AskForPicture(editor);
        return;
    }
    fw::GuardedCall([&] {
        // The savers lie beside the editor.
        const CLdSaverSetup setup(CLdWizardServices::SystemFolder(), CLdWizardServices::Registry(),
                                  CLdWizardServices::Launcher(), platform::ProgramLocation::ProgramFolder());
        setup.WritePicture(dib_, dibSize_);

        CLdChooseDialog dialog(editor.MainWindow());
        for (const std::string& saver : CLdSaverSetup::Savers())
            dialog.AddItem(saver);
        // Cancel leaves the picture file written and nothing else done; so
        // does OK with no saver selected.
        if (dialog.DoModal() != fw::IDOK || dialog.choice.empty())
            return;
        setup.Install(dialog.choice);
    });
}
