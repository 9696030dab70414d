#include "album/doc/OvalbumDoc.h"

#include <QString>
#include <algorithm>
#include <filesystem>

#include "album/doc/AlbumPaths.h"
#include "album/doc/AlbumRcStr.h"
#include "framework/Archive.h"
#include "framework/DiskFile.h"
#include "framework/MemFile.h"
#include "framework/View.h"
#include "platform/AtomicFile.h"

FW_IMPLEMENT_DYNCREATE(COvalbumDoc, fw::Document)

namespace {

// Record paths made from the album's folder must come out absolute.
std::string AbsoluteAlbumPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace

COvalbumDoc::COvalbumDoc()
{
    ResetAlbumSettings();
}

COvalbumDoc::~COvalbumDoc() = default;

void COvalbumDoc::ResetAlbumSettings()
{
    comments.clear();
    viewOnlyFound = 0;
    search = AlbumSearch::Defaults();
    groupCaption = OvAlbumRcStr()(IDS_GROUP_CAPTION);
    subgroupCaption = OvAlbumRcStr()(IDS_SUBGROUP_CAPTION);
    aliasCaption = OvAlbumRcStr()(IDS_ALIAS_CAPTION);
}

int32_t COvalbumDoc::IndexOf(const COvalbumRec* record) const
{
    const auto it = std::find_if(records_.begin(), records_.end(), [&](const auto& r) { return r.get() == record; });
    return it == records_.end() ? -1 : static_cast<int32_t>(it - records_.begin());
}

COvalbumRec* COvalbumDoc::InsertRecord(std::unique_ptr<COvalbumRec> record, const COvalbumRec* before)
{
    COvalbumRec* inserted = record.get();
    const int32_t at = before ? IndexOf(before) : -1;
    if (at < 0)
        records_.push_back(std::move(record));
    else
        records_.insert(records_.begin() + at, std::move(record));
    return inserted;
}

void COvalbumDoc::RemoveRecord(const COvalbumRec* record)
{
    const int32_t at = IndexOf(record);
    if (at >= 0)
        records_.erase(records_.begin() + at);
}

void COvalbumDoc::MoveRecordBefore(const COvalbumRec* record, const COvalbumRec* before)
{
    const int32_t from = IndexOf(record);
    if (from < 0 || record == before)
        return;
    std::unique_ptr<COvalbumRec> moved = std::move(records_[from]);
    records_.erase(records_.begin() + from);
    InsertRecord(std::move(moved), before);
}

std::string COvalbumDoc::GetAlbumTitle() const
{
    return AlbumTitleOf(currentPath_);
}

void COvalbumDoc::DeleteContents()
{
    while (!records_.empty())
        records_.pop_back();
}

bool COvalbumDoc::OnNewDocument()
{
    if (!fw::Document::OnNewDocument())
        return false;
    currentPath_.clear();
    ResetAlbumSettings();
    DropSnapshot();
    return true;
}

bool COvalbumDoc::OnOpenDocument(const std::string& path)
{
    const std::string previousPath = currentPath_;
    currentPath_ = AbsoluteAlbumPath(path);
    try {
        fw::DiskFile file(path, fw::DiskFile::kRead);
        fw::Archive ar(file, fw::Archive::load);
        Serialize(ar);
    } catch (...) {
        // Nothing was taken over: the album stays as it was, with its base.
        currentPath_ = previousPath;
        ReportSaveLoadException(path, std::current_exception(), false);
        return false;
    }
    // Another album: no undo into the old one, and a search of its own.
    DropSnapshot();
    search = AlbumSearch::Defaults();
    SetModifiedFlag(false);
    return true;
}

bool COvalbumDoc::OnSaveDocument(const std::string& path)
{
    currentPath_ = AbsoluteAlbumPath(path);
    bool saved = false;
    try {
        fw::MemFile bytes;
        fw::Archive ar(bytes, fw::Archive::store);
        Serialize(ar);
        ar.Close();
        platform::AtomicFile::Replace(path, bytes.data());
        SetModifiedFlag(false);
        snapshotClean_ = false;
        saved = true;
    } catch (...) {
        ReportSaveLoadException(path, std::current_exception(), true);
    }
    RetitleViews();
    return saved;
}

void COvalbumDoc::RetitleViews()
{
    const QString title = QString::fromStdString(GetAlbumTitle());
    for (fw::View* view : GetViews()) {
        view->setWindowTitle(title);
        view->viewport()->update();
    }
}
