#include "editor/document/DocumentHost.h"

#include "base/QnExcept.h"
#include "editor/document/DocStrings.h"
#include "editor/document/Lodo40Doc.h"
#include "framework/App.h"
#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"

namespace {

// Until the application sets its own: undo depth 5, a white background, the
// dialog for new pictures, no menu texts and no save dialog.
class DefaultDocumentHost : public CLdDocumentHost {
public:
    int32_t UndoDepth() override { return 5; }
    uint32_t Background() override { return 0x00FFFFFF; }
    NewDocumentRequest& NewRequest() override { return request_; }
    std::string MenuCommandText(uint32_t) override { return {}; }
    std::optional<std::string> SelectFileToWrite(int, const std::string&) override { return std::nullopt; }
    QWidget* MainWidget() override { return nullptr; }

private:
    NewDocumentRequest request_;
};

CLdDocumentHost*& Current()
{
    static DefaultDocumentHost fallback;
    static CLdDocumentHost* host = &fallback;
    return host;
}

}  // namespace

std::string CLdDocumentHost::WriteClipboardDibToTempFile()
{
    QnExcept(DocString(IDS_NO_CLIPBOARD_DATA).c_str(), "Lodo40", __LINE__).raise();
}

std::vector<CLodo40Doc*> CLdDocumentHost::OpenPictures()
{
    std::vector<CLodo40Doc*> pictures;
    if (fw::App* app = fw::App::Get())
        for (const auto& docTemplate : app->GetDocManager().GetTemplates())
            for (fw::Document* doc : docTemplate->GetDocuments())
                if (auto* picture = dynamic_cast<CLodo40Doc*>(doc))
                    pictures.push_back(picture);
    return pictures;
}

CLodo40Doc* CLdDocumentHost::ActivePicture()
{
    fw::App* app = fw::App::Get();
    fw::FrameWnd* main = app ? app->GetMainWnd() : nullptr;
    fw::FrameWnd* frame = main ? main->GetActiveFrame() : nullptr;
    return frame ? dynamic_cast<CLodo40Doc*>(frame->GetActiveDocument()) : nullptr;
}

void LdSetDocumentHost(CLdDocumentHost* host)
{
    static CLdDocumentHost* const fallback = Current();
    Current() = host ? host : fallback;
}

CLdDocumentHost& LdDocumentHost()
{
    return *Current();
}
