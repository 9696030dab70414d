#include "framework/Document.h"

#include <QFileInfo>
#include <algorithm>

#include "framework/App.h"
#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/DiskFile.h"
#include "framework/DocTemplate.h"
#include "framework/Exception.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/View.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(Document, "CDocument", CmdTarget, RuntimeClass::kNoSchema, nullptr)

Document::Document() = default;

Document::~Document()
{
    for (View* view : views_)
        view->document_ = nullptr;
    if (template_)
        template_->RemoveDocument(this);
}

void Document::SetTitle(const std::string& title)
{
    title_ = title;
    UpdateFrameCounts();
}

void Document::SetPathName(const std::string& path, bool addToRecentFiles)
{
    const QFileInfo info(QString::fromStdString(path));
    pathName_ = info.absoluteFilePath().toStdString();
    SetTitle(info.fileName().toStdString());
    if (addToRecentFiles)
        if (App* app = App::Get())
            app->AddToRecentFileList(pathName_);
}

void Document::AddView(View* view)
{
    if (std::find(views_.begin(), views_.end(), view) != views_.end())
        return;
    views_.push_back(view);
    view->document_ = this;
    OnChangedViewList();
}

void Document::RemoveView(View* view)
{
    auto it = std::find(views_.begin(), views_.end(), view);
    if (it == views_.end())
        return;
    views_.erase(it);
    view->document_ = nullptr;
    OnChangedViewList();
}

void Document::UpdateAllViews(View* sender, int64_t hint, const void* hintObject)
{
    const std::vector<View*> views = views_;  // a view may close during its update
    for (View* view : views)
        if (view != sender && std::find(views_.begin(), views_.end(), view) != views_.end())
            view->OnUpdate(sender, hint, hintObject);
}

void Document::OnChangedViewList()
{
    if (views_.empty() && autoDelete && !closing_ && template_) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void Document::UpdateFrameCounts()
{
    for (View* view : views_)
        if (FrameWnd* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle(true);
}

bool Document::OnNewDocument()
{
    DeleteContents();
    pathName_.clear();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const std::string& path)
{
    try {
        DiskFile file(path, DiskFile::kRead);
        DeleteContents();
        SetModifiedFlag(true);  // dirty while loading
        Archive ar(file, Archive::load);
        Serialize(ar);
        ar.Close();
        SetModifiedFlag(false);
        return true;
    } catch (...) {
        DeleteContents();
        ReportSaveLoadException(path, std::current_exception(), false);
        return false;
    }
}

bool Document::OnSaveDocument(const std::string& path)
{
    try {
        DiskFile file(path, DiskFile::kSafeSave);
        Archive ar(file, Archive::store);
        Serialize(ar);
        ar.Close();
        file.Commit();
        SetModifiedFlag(false);
        return true;
    } catch (...) {
        ReportSaveLoadException(path, std::current_exception(), true);
        return false;
    }
}

void Document::ReportSaveLoadException(const std::string& path, std::exception_ptr error, bool saving)
{
    const std::string fallback = saving ? "Failed to save document." : "Failed to open document.";
    try {
        std::rethrow_exception(error);
    } catch (const UserException&) {
        // already told
    } catch (const Exception& e) {
        const std::string text = e.GetErrorMessage();
        MessageBox(text.empty() ? fallback : text, MB_OK | MB_ICONEXCLAMATION);
    } catch (const std::exception& e) {
        MessageBox(std::string(e.what()).empty() ? fallback : e.what(), MB_OK | MB_ICONEXCLAMATION);
    } catch (...) {
        MessageBox(fallback + (path.empty() ? std::string() : "\n" + path), MB_OK | MB_ICONEXCLAMATION);
    }
}

void Document::OnCloseDocument()
{
    if (closing_)
        return;
    closing_ = true;
    // Frames close first; their views leave the document as they go.
    std::vector<FrameWnd*> frames;
    for (View* view : views_)
        if (FrameWnd* frame = view->GetParentFrame();
            frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    for (FrameWnd* frame : frames) {
        PreCloseFrame(frame);
        frame->DestroyWindow();
    }
    const std::vector<View*> remaining = views_;
    for (View* view : remaining)
        RemoveView(view);
    DeleteContents();
    if (autoDelete)
        delete this;
    else
        closing_ = false;
}

bool Document::SaveModified()
{
    if (!IsModified())
        return true;
    std::string name = pathName_.empty() ? title_ : pathName_;
    if (name.empty())
        name = "Untitled";
    switch (MessageBox("Save changes to " + name + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL: return false;
    case IDYES: return DoFileSave();
    default: return true;
    }
}

bool Document::CanCloseFrame(FrameWnd* frame)
{
    // Only the last frame on the document asks about saving.
    for (View* view : views_)
        if (view->GetParentFrame() != frame)
            return true;
    return SaveModified();
}

bool Document::DoSave(const std::string& path, bool replace)
{
    std::string name = path;
    if (name.empty()) {
        name = pathName_;
        if (replace && name.empty()) {
            name = title_;
            // Cut the title before characters a file name should not carry.
            const auto bad = name.find_first_of(" #%;/\\*");
            if (bad != std::string::npos)
                name.resize(bad);
            std::string ext;
            if (template_ && template_->GetDocString(ext, DocTemplate::filterExt) && !ext.empty())
                name += QString::fromStdString(ext).toLower().toStdString();
        }
        App* app = App::Get();
        if (!app || !app->GetDocManager().DoPromptFileName(name, replace ? "Save As" : "Save Copy As", false,
                                                           template_))
            return false;
    }
    if (!OnSaveDocument(name))
        return false;
    if (replace)
        SetPathName(name);
    return true;
}

bool Document::DoFileSave()
{
    if (pathName_.empty() || (QFileInfo::exists(QString::fromStdString(pathName_)) &&
                              !QFileInfo(QString::fromStdString(pathName_)).isWritable()))
        return DoSave({});
    return DoSave(pathName_);
}

bool Document::OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui)
{
    if (CmdTarget::OnCmdMsg(id, code, ui))
        return true;
    return template_ && template_->OnCmdMsg(id, code, ui);
}

const MessageMap* Document::GetMessageMap() const
{
    static const MessageMap map = MessageMap(CmdTarget::GetMessageMap())
                                      .OnCommand(ID_FILE_CLOSE, &Document::OnFileClose)
                                      .OnCommand(ID_FILE_SAVE, &Document::OnFileSave)
                                      .OnCommand(ID_FILE_SAVE_AS, &Document::OnFileSaveAs);
    return &map;
}

void Document::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void Document::OnFileSave()
{
    DoFileSave();
}

void Document::OnFileSaveAs()
{
    DoSave({});
}

}  // namespace fw
