// The data of one open file (or untitled new one) and the views that show
// it. Documents are made by their template, opened, saved and closed through
// the virtual operations below, and route commands to their template.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "framework/CmdTarget.h"

namespace fw {

class Archive;
class DocTemplate;
class FrameWnd;
class View;

class Document : public CmdTarget {
    FW_DECLARE_DYNAMIC(Document)

public:
    Document();
    ~Document() override;

    const std::string& GetTitle() const { return title_; }
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return pathName_; }
    // Sets the file of the document (made absolute), its title (the file's
    // name) and, when asked, enters it in the recent-file list.
    virtual void SetPathName(const std::string& path, bool addToRecentFiles = true);
    DocTemplate* GetDocTemplate() const { return template_; }

    virtual bool IsModified() { return modified_; }
    virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // Views, in the order they were added.
    const std::vector<View*>& GetViews() const { return views_; }
    View* GetFirstView() const { return views_.empty() ? nullptr : views_.front(); }
    void AddView(View* view);
    void RemoveView(View* view);
    // Calls OnUpdate of every view but sender. hintObject is whatever the
    // document and its views agree on (for example a changed rectangle).
    void UpdateAllViews(View* sender, int64_t hint = 0, const void* hintObject = nullptr);

    // Framework operations.
    virtual bool OnNewDocument();
    // Reads the file through Serialize; reports failures and returns false.
    virtual bool OnOpenDocument(const std::string& path);
    // Writes the file through Serialize under a temporary name and puts it in
    // place only when complete; reports failures and returns false.
    virtual bool OnSaveDocument(const std::string& path);
    // Closes every frame showing the document, empties it and deletes it.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    // Asks "Save changes to ...?" for a modified document; false on Cancel
    // or a failed save.
    virtual bool SaveModified();
    virtual bool CanCloseFrame(FrameWnd* frame);
    virtual void PreCloseFrame(FrameWnd*) {}
    // Saves under path, or asks for a name when path is empty; with replace
    // the document takes the new name.
    virtual bool DoSave(const std::string& path, bool replace = true);
    virtual bool DoFileSave();
    // Shows why a load or save failed.
    virtual void ReportSaveLoadException(const std::string& path, std::exception_ptr error, bool saving);
    // Called when a view was added or removed; closes the document when the
    // last view went and it deletes itself.
    virtual void OnChangedViewList();
    // Title changes and modified state reach the frames through this.
    void UpdateFrameCounts();

    bool OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui) override;
    const MessageMap* GetMessageMap() const override;

    // Commands of every document.
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    bool autoDelete = true;

private:
    friend class DocTemplate;
    std::string title_;
    std::string pathName_;
    DocTemplate* template_ = nullptr;
    std::vector<View*> views_;
    bool modified_ = false;
    bool closing_ = false;
};

}  // namespace fw
