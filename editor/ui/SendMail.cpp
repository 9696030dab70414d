#include "editor/ui/SendMail.h"

#include "base/QnExcept.h"
#include "editor/ui/CursorProgInd.h"
#include "editor/mail/MailState.h"
#include "editor/ui/UiStrings.h"
#include "editor/mail/XdgEmail.h"
#include "framework/CmdUI.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/MessageBox.h"
#include "platform/TempFile.h"

namespace {

void Tell(int id)
{
    fw::MessageBox(LdUiString(id), fw::MB_OK);
}

CLdMailState::Report Report()
{
    return CLdMailState::Tell({{CLdXdgEmail::NoMailSystem, LdUiString(IDP_FAILED_MAPI_LOAD)},
                               {CLdXdgEmail::InvalidMailSystem, LdUiString(IDP_INVALID_MAPI_DLL)},
                               {CLdXdgEmail::SendFailed, LdUiString(IDP_FAILED_MAPI_SEND)}});
}

std::string DefaultExtension(const fw::Document& doc)
{
    std::string ext;
    if (const fw::DocTemplate* t = doc.GetDocTemplate())
        t->GetDocString(ext, fw::DocTemplate::filterExt);
    return ext;
}

} // namespace

std::tm CLdSendMail::LocalTime()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

void CLdSendMail::OnFileSendMail(fw::Document& doc)
{
    CursorProgInd wait;
    wait.Show(1);
    // Before anything is written: without xdg-email there is nobody to
    // write for.
    const std::string program = CLdXdgEmail::Find();
    if (program.empty()) {
        Tell(IDP_FAILED_MAPI_LOAD);
        return;
    }
    std::optional<CLdMailAttachment> attachment = ChooseAttachment(doc);
    if (!attachment)
        return;
    CLdMailState::Get().Send(program, std::move(*attachment), Report());
}

void CLdSendMail::OnUpdateFileSendMail(fw::CmdUI* ui)
{
    ui->Enable(!CLdXdgEmail::Find().empty());
}

std::optional<CLdMailAttachment> CLdSendMail::ChooseAttachment(fw::Document& doc) const
{
    const std::string path = doc.GetPathName();
    std::string title = CLdMailAttachment::MakeTitle(doc.GetTitle(), !path.empty(), DefaultExtension(doc));
    if (!path.empty() && !doc.IsModified())
        return CLdMailAttachment::OfFile(path, std::move(title));

    CLdMailAttachment temporary;
    try {
        temporary = CLdMailAttachment::MakeTemporary(platform::TempFile::TempFolder(), path, now_(), std::move(title));
    } catch (const QnExcept& e) {
        fw::MessageBox(e.what(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    // The copy for the mail is no save of the user's: the document stays as
    // changed as it was.
    const bool modified = doc.IsModified();
    const bool saved = doc.DoSave(temporary.Path(), false);
    doc.SetModifiedFlag(modified);
    if (!saved)
        return std::nullopt;
    return temporary;
}
