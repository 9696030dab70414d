// The document's New, Open, Save and archive load and store.
#include <cstdio>
#include <unistd.h>

#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FL_Functions.h"
#include "editor/document/DocErrors.h"
#include "editor/document/DocStrings.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/Convert.h"
#include "editor/ui/EvalControl.h"
#include "editor/ui/NewDocDlg.h"
#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/File.h"
#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/View.h"
#include "framework/MessageBox.h"
#include "lang/LsmHandle.h"
#include "lang/LsmStream.h"
#include "picture/FileDescriptor.h"
#include "picture/ShrinkOnLoad.h"
#include "platform/TempFile.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// Restores a flag of the document when the operation that set it ends.
class FlagGuard {
public:
    FlagGuard(int32_t& flag, int32_t value) : flag_(flag), saved_(flag) { flag_ = value; }
    ~FlagGuard() { flag_ = saved_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    int32_t& flag_;
    int32_t saved_;
};

// The size of the last successful New, for the next New dialog.
int32_t lastNewWidth = 640;
int32_t lastNewHeight = 480;

// An archive's file as a load/save handle: reads and writes go to the file,
// everything else does nothing.
class ArcHandle : public QnLsmHandle {
public:
    explicit ArcHandle(fw::File& file) : file_(file) {}
    QnLsmHandle* Dup() override { return new ArcHandle(file_); }
    uint64_t Read(void* buf, uint64_t n) override { return file_.Read(buf, size_t(n)); }
    void Write(const void* buf, uint64_t n) override { file_.Write(buf, size_t(n)); }
    void Flush() override { file_.Flush(); }
    uint64_t Seek(int64_t, hp_from) override { return 0; }
    uint64_t GetLength() const override { return 0; }
    void SetLength(uint64_t) override {}

private:
    fw::File& file_;
};

// A stream that adopts its handle.
class HandleStream : public QnLsmStream {
public:
    explicit HandleStream(QnLsmHandle* handle) : QnLsmStream(handle, QnLsmDsc::DH_READWRITE) {}
};

// The room a picture opened in view is fitted into: the multiple-document
// area its window lives in, else the view itself; none without a view. It
// may be a little larger than the fit's own room (frames and scroll bars
// are not taken off), which only makes the first decode less reduced.
QSize FitRoom(fw::View* view)
{
    if (!view)
        return QSize();
    const auto* child = dynamic_cast<fw::MDIChildWnd*>(view->GetParentFrame());
    const QMdiSubWindow* window = child ? child->GetSubWindow() : nullptr;
    if (window && window->mdiArea())
        return window->mdiArea()->viewport()->size();
    return view->size();
}

bool IsHalfToned(int type)
{
    return type == WA_RGB24 || type == WA_GRAY;
}

}  // namespace

// The load expression of descriptor, evaluated once to learn the picture's
// type: a paletted or black and white picture is converted to 24-bit colour
// when the user wants it, and then no longer equals its file.
PpQnExpr CLodo40Doc::LoadFileExpr(const PpQnLsmDsc& descriptor, QnEvalControl* control, int line, bool& equalsFile)
{
    PpQnExpr expr = MakeLoadPictureExpr(descriptor);
    PpQnExpr result;
    {
        // A large JPEG is decoded first only as small as the view will show
        // it; its full pixels come when something needs them.
        const QSize room = FitRoom(GetFirstView());
        const QnShrinkOnLoad shrink(room.width(), room.height());
        EvalInContext(result, expr, m_machine, control);
    }
    const PpQnPicture picture = QnCheckedCast<QnPicture>(QnValueOf(result), "Lodo40Doc", line);
    equalsFile = true;
    if (!IsHalfToned(picture->Type())
        && fw::MessageBox(DocString(IDS_CONVERT_QUESTION), fw::MB_YESNO | fw::MB_ICONQUESTION) == fw::IDYES) {
        expr = PpQnExpr(MakeConvertToGrayOr24BitExpr(0), expr);
        equalsFile = false;
    }
    return expr;
}

void CLodo40Doc::DecodeWaitingPixels()
{
    if (!shownShrunk_)
        return;
    // Asked once: after a failure the views keep the reduced copy.
    shownShrunk_ = false;
    bool decoded = !m_picture;
    LdRunEdit([&] {
        if (m_picture)
            m_picture->EnsurePixels();
        decoded = true;
    });
    // Drawn again from the full pixels, as every later paint will be.
    if (decoded)
        fw::Document::UpdateAllViews(nullptr, kHintEdit, nullptr);
}

bool CLodo40Doc::NewFromDialog(PpQnExpr& expr, std::string& label)
{
    CNewDocDlg dialog(lastNewWidth, lastNewHeight, LdDocumentHost().MainWidget());
    if (dialog.DoModal() != fw::IDOK)
        return false;
    lastNewWidth = dialog.width;
    lastNewHeight = dialog.height;
    int resolution = 0;
    if (std::sscanf(dialog.resolution.c_str(), "%d", &resolution) != 1 || resolution < 1)
        resolution = 300;
    expr = MakeNewPictureExpr(LdDocumentHost().Background(), dialog.width, dialog.height, resolution, resolution);
    label = LdDocumentHost().MenuCommandText(fw::ID_FILE_NEW);
    return true;
}

bool CLodo40Doc::OnNewDocument()
{
    if (!fw::Document::OnNewDocument())
        return false;
    bool made = false;
    LdRunCommand([&] {
        NewDocumentRequest& request = LdDocumentHost().NewRequest();
        PpQnExpr expr;
        std::string label;
        QnEvalControl* control = &theEvalControl;
        switch (request.mode) {
        case NewDocumentRequest::Dialog:
            if (!NewFromDialog(expr, label))
                return;
            break;
        case NewDocumentRequest::File:
        case NewDocumentRequest::FileWithCursor: {
            if (request.mode == NewDocumentRequest::FileWithCursor)
                control = &theCursorEvalControl;
            bool equalsFile = false;
            const PpQnFileDescriptor descriptor(request.path.c_str(), QnFileDescriptor::FD_TEMPORARY);
            expr = LoadFileExpr(PpQnLsmDsc(descriptor), control, 598, equalsFile);
            label = request.label;
            break;
        }
        case NewDocumentRequest::Expression:
            expr = request.expr;
            label = request.label;
            break;
        default:
            return;
        }
        SetPictureFromExpression(expr, nullptr, nullptr, label, true, control, kHintNewPicture);
        shownShrunk_ = m_picture && m_picture->PixelsPending();
        m_source = nullptr;
        m_savedReachable = 0;
        UpdateModified();
        m_fresh = 0;
        made = true;
    });
    return made;
}

CLodo40Doc* CLodo40Doc::OtherDocumentNamed(const std::string& path) const
{
    if (!GetDocTemplate())
        return nullptr;
    for (fw::Document* doc : GetDocTemplate()->GetDocuments())
        if (doc != this && doc->GetPathName() == path)
            return dynamic_cast<CLodo40Doc*>(doc);
    return nullptr;
}

bool CLodo40Doc::OnOpenDocument(const std::string& path)
{
    if (CLodo40Doc* other = OtherDocumentNamed(path)) {
        if (fw::View* view = other->GetFirstView())
            if (fw::FrameWnd* frame = view->GetParentFrame())
                frame->ActivateFrame();
        return false;
    }
    const FlagGuard opening(m_opening, 1);
    if (!fw::Document::OnOpenDocument(path))
        return false;
    bool opened = false;
    LdRunCommand([&] {
        const PpQnFileDescriptor descriptor(path.c_str(), QnFileDescriptor::FD_EXISTING);
        bool equalsFile = false;
        const PpQnExpr expr = LoadFileExpr(PpQnLsmDsc(descriptor), &theEvalControl, 696, equalsFile);
        SetPictureFromExpression(expr, nullptr, nullptr, LdDocumentHost().MenuCommandText(fw::ID_FILE_OPEN), true,
                                 &theEvalControl, kHintNewPicture);
        shownShrunk_ = m_picture && m_picture->PixelsPending();
        m_source = equalsFile ? PpQnLsmDsc(descriptor) : PpQnLsmDsc();
        m_savedReachable = equalsFile ? 1 : 0;
        m_stepsSinceSave = 0;
        UpdateModified();
        m_fresh = 0;
        opened = true;
    });
    return opened;
}

bool CLodo40Doc::DoSave(const std::string& path, bool replace)
{
    const FlagGuard saveAs(m_saveAs, path.empty() ? 1 : 0);
    std::string name = path;
    if (path.empty()) {
        std::string proposed = GetPathName();
        if (proposed.empty() && replace) {
            proposed = GetTitle();
            const auto bad = proposed.find_first_of(" #%;/\\*");
            if (bad != std::string::npos)
                proposed.resize(bad);
            std::string ext;
            if (GetDocTemplate() && GetDocTemplate()->GetDocString(ext, fw::DocTemplate::filterExt) && !ext.empty())
                proposed += ext;
        }
        const auto chosen = LdDocumentHost().SelectFileToWrite(PictureType(), proposed);
        if (!chosen)
            return false;
        name = *chosen;
        if (m_picture)
            m_picture->SetCallSaveOptionsFlag(1);
    } else if (m_picture) {
        m_picture->SetCallSaveOptionsFlag(0);
    }
    if (m_picture)
        m_picture->SetSaveOptions(m_saveOptions);
    return fw::Document::DoSave(name, replace);
}

bool CLodo40Doc::OnSaveDocument(const std::string& path)
{
    if (!IsModified() && m_saveAs == 0)
        return true;
    bool saved = false;
    LdRunCommand([&] {
        if (!path.empty() && OtherDocumentNamed(path))
            QnExcept(DocString(IDS_NAME_ALREADY_OPEN).c_str(), "Lodo40Doc", 752).raise();
        const FlagGuard saving(m_saving, path.empty() ? 0 : 1);
        // Always a new descriptor: the one the document was opened from then
        // keeps reading the old file (a private copy once the file is
        // replaced), so the states of the history that load it stay what
        // they were.
        const PpQnLsmDsc descriptor = PpQnFileDescriptor(path.c_str(), QnFileDescriptor::FD_NEW);
        if (m_saving && m_picture) {
            const int lossy = m_picture->Save(descriptor, &theEvalControl);
            m_source = lossy ? PpQnLsmDsc() : descriptor;
            m_saveOptions = m_picture->GetSaveOptions();
            m_savedReachable = 1;
            m_stepsSinceSave = 0;
            UpdateModified();
        }
        SetModifiedFlag(false);
        saved = true;
    });
    return saved;
}

void CLodo40Doc::Serialize(fw::Archive& ar)
{
    if (ar.IsLoading()) {
        if (!m_opening)
            ReadArchive(ar);
    } else if (!m_saving) {
        WriteArchive(ar);
    }
}

void CLodo40Doc::ReadArchive(fw::Archive& ar)
{
    if (!m_fresh)
        QnExcept(DocString(IDS_UNKNOWN_SOURCE).c_str(), "Lodo40Doc", 947).raise();
    // The archive's bytes go into a temporary file that the descriptor owns
    // and deletes when it goes.
    int fd = -1;
    const std::string temp = platform::TempFile::Create(platform::TempFile::TempFolder(), "~sclg", "", &fd);
    fw::File& file = *ar.GetFile();
    const uint64_t length = file.GetLength();
    bool written = true;
    char buffer[1024];
    for (uint64_t copied = 0; copied < length;) {
        const size_t got = file.Read(buffer, sizeof buffer);
        if (got == 0)
            break;
        if (::write(fd, buffer, got) != ssize_t(got)) {
            written = false;
            break;
        }
        copied += got;
    }
    ::close(fd);
    const PpQnFileDescriptor descriptor(temp.c_str(), QnFileDescriptor::FD_TEMPORARY);
    if (!written)
        QnExcept(("Can't write the temporary file " + temp).c_str(), "Lodo40Doc", __LINE__).raise();
    SetPictureFromExpression(MakeLoadPictureExpr(PpQnLsmDsc(descriptor)), nullptr, nullptr, "???", true,
                             &theEvalControl, kHintNewPicture);
    m_source = PpQnLsmDsc(descriptor);
    m_savedReachable = 1;
    m_stepsSinceSave = 0;
    UpdateModified();
    m_fresh = 0;
}

void CLodo40Doc::WriteArchive(fw::Archive& ar)
{
    if (!m_picture)
        return;
    HandleStream stream(new ArcHandle(*ar.GetFile()));
    m_picture->SaveToStream(stream, nullptr, nullptr);
}
