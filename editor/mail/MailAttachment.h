// The file a mailed picture travels in and the title it goes under. A
// temporary attachment is written next to the empty placeholder that made
// its name unique; both stay until the attachment is removed, so no other
// send can pick the same name meanwhile.
#pragma once

#include <ctime>
#include <string>

class CLdMailAttachment {
public:
    CLdMailAttachment() = default;
    ~CLdMailAttachment() { Remove(); }
    CLdMailAttachment(CLdMailAttachment&& other) noexcept;
    CLdMailAttachment& operator=(CLdMailAttachment&& other) noexcept;
    CLdMailAttachment(const CLdMailAttachment&) = delete;
    CLdMailAttachment& operator=(const CLdMailAttachment&) = delete;

    // The document's own file, sent as it is and never removed.
    static CLdMailAttachment OfFile(std::string path, std::string title);
    // A fresh temporary name in folder (nothing is written there yet but
    // the placeholder) for a document whose file is docPath ("" when it has
    // none), at the local time now. Raises QnExcept when folder takes no
    // new file.
    static CLdMailAttachment MakeTemporary(const std::string& folder, const std::string& docPath,
                                           const std::tm& now, std::string title);

    // The name of the temporary attachment made from placeholder
    // (".../afxXXXXXX.tmp"): its extension replaced by the time "%H%M%S"
    // and the extension the picture is written with.
    static std::string TemporaryPath(const std::string& placeholder, const std::string& docPath,
                                     const std::tm& now);
    // The extension a temporary attachment is written with: the document
    // file's own when the picture files can be written in its format, so
    // the mail carries the same kind of file; ".bmp" otherwise.
    static std::string Extension(const std::string& docPath);
    // The title the attachment goes under: the document's title, with the
    // template's default extension (defaultExt, may be "") when the
    // document has no file and the title no ".", and without any "*".
    static std::string MakeTitle(const std::string& docTitle, bool hasPath, const std::string& defaultExt);

    const std::string& Path() const { return path_; }
    const std::string& Title() const { return title_; }
    bool IsTemporary() const { return !placeholder_.empty(); }

    // Deletes a temporary attachment and its placeholder; the document's
    // own file stays. A file that will not go is left to the system's
    // cleaning of its temporary folder: nobody waits on it any more.
    void Remove();
    // Forgets a temporary attachment without deleting it, for a mail
    // composer that may still read it after the editor is gone.
    void Release();

private:
    std::string path_;
    std::string title_;
    std::string placeholder_;
};
