// The application's document templates and what spans them: File > New and
// Open, opening a file by name with the template that fits it, the file
// dialogs' filters, saving and closing everything.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace fw {

class DocTemplate;
class Document;

class DocManager {
public:
    DocManager() = default;
    virtual ~DocManager();
    DocManager(const DocManager&) = delete;
    DocManager& operator=(const DocManager&) = delete;

    void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    const std::vector<std::unique_ptr<DocTemplate>>& GetTemplates() const { return templates_; }

    // A new document of the first template.
    virtual void OnFileNew();
    // The open dialog, then the chosen file.
    virtual void OnFileOpen();
    // Opens path with the template that fits it best; a file already open
    // activates its document. Null on failure.
    virtual Document* OpenDocumentFile(const std::string& path);
    // Shows the open or save dialog (through its hook) with the templates'
    // filters; name is the proposed and then the chosen file. False on Cancel.
    virtual bool DoPromptFileName(std::string& name, const std::string& title, bool open, DocTemplate* only);
    virtual bool SaveAllModified();
    virtual void CloseAllDocuments(bool endSession);
    size_t GetOpenDocumentCount() const;

private:
    std::vector<std::unique_ptr<DocTemplate>> templates_;
};

}  // namespace fw
