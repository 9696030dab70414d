#include "tasks/module/Tool_Fax.h"

#include "editor/loadable/LdModule.h"
#include "editor/mail/MailState.h"
#include "editor/mail/XdgEmail.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdFaxDialog.h"
#include "tasks/module/LdPictureFile.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/LdWizardServices.h"

#include <unistd.h>

#include <filesystem>

FW_IMPLEMENT_DYNCREATE(CTool_Fax, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Fax::CTool_Fax() : CWrenkitPictureTool("Fax", 13, 14, 15, 134, 69) {}

int CTool_Fax::Execute()
{
    if (!HasPicture())
        CLdSourceDialog::AskForPicture(CLdWizardServices::Editor());
    else
        SendFax();
    return 0;
}

std::string CTool_Fax::FaxFilePath(const std::string& modulePath, const std::string& fallbackFolder)
{
    const std::filesystem::path module(modulePath);
    std::string stem = module.stem().string();
    if (stem.empty())
        stem = "Wrenkit";
    // Not the last three characters replaced, as with a three-letter
    // extension: ".so" would lose its dot.
    const std::string name = stem + ".BMP";
    const std::filesystem::path folder = module.parent_path();
    if (!folder.empty() && access(folder.c_str(), W_OK) == 0)
        return (folder / name).string();
    return (std::filesystem::path(fallbackFolder) / name).string();
}

void CTool_Fax::SendFax()
{
    // Before anything is written: without xdg-email there is nobody to
    // write for.
    const std::string program = CLdXdgEmail::Find();
    if (program.empty()) {
        fw::MessageBox(LoadResString(IDS_MAPI_NOT_INSTALLED), fw::MB_OK);
        return;
    }
    fw::GuardedCall([&] {
        const std::string path =
            FaxFilePath(module_ ? module_->Path() : std::string(), CLdWizardServices::SystemFolder());
        CLdPictureFile::Write(path, dib_, dibSize_);

        CLdFaxDialog dialog(CLdWizardServices::Editor().MainWindow());
        dialog.DoModal();

        const CLdMailState::Report report =
            CLdMailState::Tell({{CLdXdgEmail::NoMailSystem, LoadResString(IDS_MAPI_NOT_INSTALLED)},
                                {CLdXdgEmail::InvalidMailSystem, LoadResString(IDS_LOGON_ERROR)},
                                {CLdXdgEmail::SendFailed, LoadResString(IDS_ADDRESS_ERROR)}});
        CLdMailState::Get().Send(program,
                                 CLdMailAttachment::OfFile(path, std::filesystem::path(path).filename().string()),
                                 report, {dialog.subject, dialog.notes});
    });
}
