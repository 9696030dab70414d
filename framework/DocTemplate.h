// Makes the documents of one type with their frames and views, and keeps the
// list of open documents of that type. Its strings are the system's
// newline-separated form: window title, document name, file-new name, filter
// name, filter extension, file type id, file type name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/CmdTarget.h"

namespace fw {

class Document;
class FrameWnd;

class DocTemplate : public CmdTarget {
    FW_DECLARE_DYNAMIC(DocTemplate)

public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };
    enum Confidence { noAttempt, maybeAttemptForeign, maybeAttemptNative, yesAttemptForeign, yesAttemptNative,
                      yesAlreadyOpen };

    DocTemplate(std::string docStrings, const RuntimeClass* documentClass, const RuntimeClass* frameClass,
                const RuntimeClass* viewClass);
    ~DocTemplate() override;

    // The string of index; false when the template has none (empty).
    bool GetDocString(std::string& text, DocStringIndex index) const;

    // Opens path in a new or reused document, or makes a new document when
    // path is empty. Null on failure (the user has been told why).
    virtual Document* OpenDocumentFile(const std::string& path, bool makeVisible = true) = 0;
    virtual Document* CreateNewDocument();
    virtual FrameWnd* CreateNewFrame(Document* document, FrameWnd* other);
    virtual void InitialUpdateFrame(FrameWnd* frame, Document* document, bool makeVisible = true);
    virtual void SetDefaultTitle(Document* document);
    virtual Confidence MatchDocType(const std::string& path, Document*& match);

    virtual void AddDocument(Document* document);
    virtual void RemoveDocument(Document* document);
    const std::vector<Document*>& GetDocuments() const { return documents_; }
    // Asks to save every modified document; false when the user cancels.
    virtual bool SaveAllModified();
    virtual void CloseAllDocuments(bool endSession);

protected:
    // Makes the frame and client area for a document; null on failure.
    FrameWnd* MakeFrame(Document* document);
    std::vector<std::string> strings_;
    const RuntimeClass* documentClass_;
    const RuntimeClass* frameClass_;
    const RuntimeClass* viewClass_;
    std::vector<Document*> documents_;
    int untitledCount_ = 0;
};

// Any number of documents, each in MDI child frames of the main frame.
class MultiDocTemplate : public DocTemplate {
public:
    using DocTemplate::DocTemplate;
    Document* OpenDocumentFile(const std::string& path, bool makeVisible = true) override;
    FrameWnd* CreateNewFrame(Document* document, FrameWnd* other) override;
};

// One document at a time, in the main frame; opening or making another
// reuses it.
class SingleDocTemplate : public DocTemplate {
public:
    using DocTemplate::DocTemplate;
    Document* OpenDocumentFile(const std::string& path, bool makeVisible = true) override;
    void AddDocument(Document* document) override;
    void SetDefaultTitle(Document* document) override;
};

}  // namespace fw
