#include "filters/art/frame/ArtAboutDialog.h"

#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/frame/FrameUi.h"
#include "framework/MessageBox.h"

void ArtAboutDialog::OnCommand(uint32_t id)
{
    if (id == IDC_CALL_HELP) {
        FilterModuleApp::Get().WinHelp(kArtHelpTopic);
        EndDialog(fw::IDOK);
        return;
    }
    AboutDialog::OnCommand(id);
}

void ShowArtAbout()
{
    if (!FrameGuiAvailable())
        return;
    ArtAboutDialog dialog(FilterModuleDescription());
    dialog.DoModal();
}
