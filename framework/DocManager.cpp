#include "framework/DocManager.h"

#include <QFileInfo>

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/View.h"

namespace fw {
namespace {

// "Bitmap (*.bmp)" with ".BMP": a filter that matches the extension in any case.
std::string FilterOf(const DocTemplate& t)
{
    std::string name, ext;
    if (!t.GetDocString(name, DocTemplate::filterName) || !t.GetDocString(ext, DocTemplate::filterExt))
        return {};
    // The name may carry its own pattern ("Bitmap (*.bmp)"): the label stays,
    // the pattern is made to match the extension in either case.
    QString label = QString::fromStdString(name);
    if (const auto open = label.indexOf('('); open >= 0)
        label = label.left(open).trimmed();
    const QString e = QString::fromStdString(ext);
    return QString("%1 (*%2 *%3)").arg(label, e.toLower(), e.toUpper()).toStdString();
}

}  // namespace

DocManager::~DocManager()
{
    // Documents still open go before their templates.
    for (auto& t : templates_)
        t->CloseAllDocuments(true);
}

void DocManager::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    templates_.push_back(std::move(docTemplate));
}

void DocManager::OnFileNew()
{
    if (templates_.empty()) {
        MessageBox("No document types are registered.", MB_OK | MB_ICONSTOP);
        return;
    }
    templates_.front()->OpenDocumentFile({});
}

void DocManager::OnFileOpen()
{
    std::string name;
    if (DoPromptFileName(name, "Open", true, nullptr))
        OpenDocumentFile(name);
}

Document* DocManager::OpenDocumentFile(const std::string& path)
{
    DocTemplate* best = nullptr;
    DocTemplate::Confidence bestMatch = DocTemplate::noAttempt;
    for (auto& t : templates_) {
        Document* open = nullptr;
        const auto match = t->MatchDocType(path, open);
        if (match == DocTemplate::yesAlreadyOpen) {
            if (View* view = open->GetFirstView())
                if (FrameWnd* frame = view->GetParentFrame())
                    frame->ActivateFrame();
            return open;
        }
        if (match > bestMatch) {
            bestMatch = match;
            best = t.get();
        }
    }
    if (!best) {
        MessageBox("No document type can open " + path + ".", MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    return best->OpenDocumentFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
}

bool DocManager::DoPromptFileName(std::string& name, const std::string& title, bool open, DocTemplate* only)
{
    FileDialogRequest request;
    request.open = open;
    request.title = title;
    request.fileName = name;
    for (auto& t : templates_)
        if (!only || t.get() == only)
            if (std::string filter = FilterOf(*t); !filter.empty())
                request.filters.push_back(filter);
    request.filters.push_back("All Files (*)");
    std::string ext;
    if (only && only->GetDocString(ext, DocTemplate::filterExt))
        request.defaultExtension = QString::fromStdString(ext).toLower().toStdString();
    const auto chosen = RunFileDialog(request);
    if (!chosen)
        return false;
    name = *chosen;
    return true;
}

bool DocManager::SaveAllModified()
{
    for (auto& t : templates_)
        if (!t->SaveAllModified())
            return false;
    return true;
}

void DocManager::CloseAllDocuments(bool endSession)
{
    for (auto& t : templates_)
        t->CloseAllDocuments(endSession);
}

size_t DocManager::GetOpenDocumentCount() const
{
    size_t n = 0;
    for (auto& t : templates_)
        n += t->GetDocuments().size();
    return n;
}

}  // namespace fw
