#include "editor/mail/MailAttachment.h"

#include "base/QnExcept.h"
#include "imexp/ImExp.h"
#include "platform/TempFile.h"

#include <filesystem>
#include <system_error>

namespace {

// Another program may own a file that happens to bear a derived name: it
// is never written over. A handful of fresh placeholders is plenty.
constexpr int kNameTries = 16;

} // namespace

CLdMailAttachment::CLdMailAttachment(CLdMailAttachment&& other) noexcept
    : path_(std::move(other.path_)), title_(std::move(other.title_)), placeholder_(std::move(other.placeholder_))
{
    other.Release();
}

CLdMailAttachment& CLdMailAttachment::operator=(CLdMailAttachment&& other) noexcept
{
    if (this != &other) {
        Remove();
        path_ = std::move(other.path_);
        title_ = std::move(other.title_);
        placeholder_ = std::move(other.placeholder_);
        other.Release();
    }
    return *this;
}

CLdMailAttachment CLdMailAttachment::OfFile(std::string path, std::string title)
{
    CLdMailAttachment a;
    a.path_ = std::move(path);
    a.title_ = std::move(title);
    return a;
}

CLdMailAttachment CLdMailAttachment::MakeTemporary(const std::string& folder, const std::string& docPath,
                                                   const std::tm& now, std::string title)
{
    // xdg-email and the composer behind it run elsewhere: the path must not
    // depend on the editor's current folder.
    std::error_code ignored;
    const std::string where = std::filesystem::absolute(folder.empty() ? "." : folder, ignored).string();
    for (int i = 0; i < kNameTries; ++i) {
        const std::string placeholder = platform::TempFile::Create(where, "afx", ".tmp");
        std::string path = TemporaryPath(placeholder, docPath, now);
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, ignored))) {
            CLdMailAttachment a;
            a.path_ = std::move(path);
            a.title_ = std::move(title);
            a.placeholder_ = placeholder;
            return a;
        }
        std::filesystem::remove(placeholder, ignored);
    }
    const std::string text = "Can't create a temporary file in " + where;
    QnExcept(text.c_str(), "MailAttachment", __LINE__).raise();
}

std::string CLdMailAttachment::TemporaryPath(const std::string& placeholder, const std::string& docPath,
                                             const std::tm& now)
{
    // The placeholder's case is kept: on this file system a lower-cased
    // name would be another file's, and its uniqueness would be lost.
    char time[16];
    std::strftime(time, sizeof time, "%H%M%S", &now);
    const size_t stem = placeholder.size() >= 4 ? placeholder.size() - 4 : 0;
    return placeholder.substr(0, stem) + time + Extension(docPath);
}

std::string CLdMailAttachment::Extension(const std::string& docPath)
{
    // The whole extension, not its last three letters: "photo.jpeg" and
    // "scan.tiff" must not become ".peg" and ".iff", which no picture file
    // is written as.
    if (!docPath.empty() && imexp::CanWrite(imexp::FormatFromExtension(docPath)))
        return docPath.substr(docPath.rfind('.'));
    return ".bmp";
}

std::string CLdMailAttachment::MakeTitle(const std::string& docTitle, bool hasPath, const std::string& defaultExt)
{
    std::string title = docTitle;
    if (!hasPath && title.find('.') == std::string::npos)
        title += defaultExt;
    // The frame marks a modified document's title with "*"; the file a
    // recipient saves must not carry it.
    std::string out;
    for (char c : title)
        if (c != '*')
            out += c;
    return out;
}

void CLdMailAttachment::Remove()
{
    if (placeholder_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
    std::filesystem::remove(placeholder_, ignored);
    Release();
}

void CLdMailAttachment::Release()
{
    path_.clear();
    title_.clear();
    placeholder_.clear();
}
