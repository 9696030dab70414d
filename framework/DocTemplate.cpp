#include "framework/DocTemplate.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>

#include "framework/App.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/View.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(DocTemplate, "CDocTemplate", CmdTarget, RuntimeClass::kNoSchema, nullptr)

DocTemplate::DocTemplate(std::string docStrings, const RuntimeClass* documentClass, const RuntimeClass* frameClass,
                         const RuntimeClass* viewClass)
    : documentClass_(documentClass), frameClass_(frameClass), viewClass_(viewClass)
{
    size_t start = 0;
    for (;;) {
        const size_t nl = docStrings.find('\n', start);
        strings_.push_back(docStrings.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
}

DocTemplate::~DocTemplate()
{
    const std::vector<Document*> documents = documents_;
    for (Document* doc : documents)
        doc->template_ = nullptr;
}

bool DocTemplate::GetDocString(std::string& text, DocStringIndex index) const
{
    text = static_cast<size_t>(index) < strings_.size() ? strings_[index] : std::string();
    return !text.empty();
}

Document* DocTemplate::CreateNewDocument()
{
    if (!documentClass_)
        return nullptr;
    Object* object = documentClass_->CreateObject();
    auto* doc = dynamic_cast<Document*>(object);
    if (!doc) {
        delete object;
        return nullptr;
    }
    AddDocument(doc);
    return doc;
}

void DocTemplate::AddDocument(Document* document)
{
    if (std::find(documents_.begin(), documents_.end(), document) == documents_.end())
        documents_.push_back(document);
    document->template_ = this;
}

void DocTemplate::RemoveDocument(Document* document)
{
    documents_.erase(std::remove(documents_.begin(), documents_.end(), document), documents_.end());
    if (document->template_ == this)
        document->template_ = nullptr;
}

FrameWnd* DocTemplate::MakeFrame(Document* document)
{
    if (!frameClass_)
        return nullptr;
    Object* object = frameClass_->CreateObject();
    auto* frame = dynamic_cast<FrameWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    CreateContext context{viewClass_, document, this};
    if (!frame->OnCreateClient(context)) {
        delete frame;
        return nullptr;
    }
    return frame;
}

FrameWnd* DocTemplate::CreateNewFrame(Document* document, FrameWnd*)
{
    return MakeFrame(document);
}

void DocTemplate::InitialUpdateFrame(FrameWnd* frame, Document* document, bool makeVisible)
{
    frame->InitialUpdateFrame(document, makeVisible);
}

void DocTemplate::SetDefaultTitle(Document* document)
{
    std::string name;
    if (!GetDocString(name, docName) || name.empty())
        name = "Untitled";
    document->SetTitle(name + std::to_string(++untitledCount_));
}

DocTemplate::Confidence DocTemplate::MatchDocType(const std::string& path, Document*& match)
{
    match = nullptr;
    const std::string absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    for (Document* doc : documents_) {
        if (doc->GetPathName() == absolute) {
            match = doc;
            return yesAlreadyOpen;
        }
    }
    std::string ext;
    if (GetDocString(ext, filterExt) && !ext.empty()) {
        const QString suffix = QString::fromStdString(ext);
        if (QString::fromStdString(path).endsWith(suffix, Qt::CaseInsensitive))
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

bool DocTemplate::SaveAllModified()
{
    const std::vector<Document*> documents = documents_;
    for (Document* doc : documents)
        if (!doc->SaveModified())
            return false;
    return true;
}

void DocTemplate::CloseAllDocuments(bool)
{
    while (!documents_.empty()) {
        Document* doc = documents_.front();
        doc->OnCloseDocument();
        // A document that does not delete itself leaves the list by hand.
        if (!documents_.empty() && documents_.front() == doc)
            RemoveDocument(doc);
    }
}

Document* MultiDocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    Document* doc = CreateNewDocument();
    if (!doc) {
        MessageBox("Failed to create empty document.", MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    // Until its first view exists the document must not close itself.
    const bool autoDelete = doc->autoDelete;
    doc->autoDelete = false;
    FrameWnd* frame = CreateNewFrame(doc, nullptr);
    doc->autoDelete = autoDelete;
    if (!frame) {
        MessageBox("Failed to create a window for the document.", MB_OK | MB_ICONSTOP);
        delete doc;
        return nullptr;
    }
    if (path.empty()) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            frame->DestroyWindow();
            return nullptr;
        }
    } else {
        if (!doc->OnOpenDocument(path)) {
            frame->DestroyWindow();
            return nullptr;
        }
        doc->SetPathName(path);
    }
    InitialUpdateFrame(frame, doc, makeVisible);
    return doc;
}

FrameWnd* MultiDocTemplate::CreateNewFrame(Document* document, FrameWnd*)
{
    FrameWnd* frame = MakeFrame(document);
    if (!frame)
        return nullptr;
    App* app = App::Get();
    auto* mdiFrame = app ? dynamic_cast<MDIFrameWnd*>(app->GetMainWnd()) : nullptr;
    auto* child = dynamic_cast<MDIChildWnd*>(frame);
    if (mdiFrame && child)
        mdiFrame->AddChild(child);
    return frame;
}

void SingleDocTemplate::AddDocument(Document* document)
{
    DocTemplate::AddDocument(document);
}

void SingleDocTemplate::SetDefaultTitle(Document* document)
{
    std::string name;
    if (!GetDocString(name, docName) || name.empty())
        name = "Untitled";
    document->SetTitle(name);
}

Document* SingleDocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    Document* doc = documents_.empty() ? nullptr : documents_.front();
    FrameWnd* frame = nullptr;
    bool created = false;
    if (doc) {
        if (!doc->SaveModified())
            return nullptr;
        View* view = doc->GetFirstView();
        frame = view ? view->GetParentFrame() : nullptr;
    } else {
        doc = CreateNewDocument();
        if (!doc) {
            MessageBox("Failed to create empty document.", MB_OK | MB_ICONSTOP);
            return nullptr;
        }
        created = true;
    }
    if (!frame) {
        const bool autoDelete = doc->autoDelete;
        doc->autoDelete = false;
        frame = CreateNewFrame(doc, nullptr);
        doc->autoDelete = autoDelete;
        if (!frame) {
            MessageBox("Failed to create a window for the document.", MB_OK | MB_ICONSTOP);
            if (created)
                delete doc;
            return nullptr;
        }
        if (App* app = App::Get(); app && !app->GetMainWnd())
            app->SetMainWnd(frame);
    }
    if (path.empty()) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            if (created)
                frame->DestroyWindow();
            return nullptr;
        }
    } else {
        const bool wasModified = doc->IsModified();
        doc->SetModifiedFlag(false);
        if (!doc->OnOpenDocument(path)) {
            if (created) {
                frame->DestroyWindow();
            } else if (!doc->IsModified()) {
                doc->SetModifiedFlag(wasModified);  // the old contents are untouched
            } else {
                SetDefaultTitle(doc);  // the old contents are gone: start afresh
                doc->OnNewDocument();
            }
            return nullptr;
        }
        doc->SetPathName(path);
    }
    InitialUpdateFrame(frame, doc, makeVisible);
    return doc;
}

}  // namespace fw
