// The changes of the album: adding, removing, moving, sorting and renewing
// records and editing the texts. Each takes the undo snapshot first.
#include "album/doc/OvalbumDoc.h"

#include <algorithm>

#include "album/doc/AlbumReadWA.h"
#include "drawctx/zvwa/WA.h"

namespace {

// Holds the one reference a read picture comes with.
struct PictureRef {
    explicit PictureRef(WA* p) : picture(p) {}
    ~PictureRef() { WARelease(picture); }
    PictureRef(const PictureRef&) = delete;
    PictureRef& operator=(const PictureRef&) = delete;
    WA* picture;
};

} // namespace

bool COvalbumDoc::Passes(const COvalbumRec& record, int32_t position) const
{
    return !viewOnlyFound || search.Finds(record, position);
}

std::vector<COvalbumRec*> COvalbumDoc::GetFoundRecords() const
{
    std::vector<COvalbumRec*> found;
    for (size_t i = 0; i < records_.size(); ++i)
        if (Passes(*records_[i], int32_t(i)))
            found.push_back(records_[i].get());
    return found;
}

COvalbumRec* COvalbumDoc::GetSelection() const
{
    for (size_t i = 0; i < records_.size(); ++i)
        if (records_[i]->selected && Passes(*records_[i], int32_t(i)))
            return records_[i].get();
    return nullptr;
}

void COvalbumDoc::Select(const COvalbumRec* record)
{
    for (const auto& r : records_)
        r->selected = r.get() == record ? 1 : 0;
}

void COvalbumDoc::EndChange()
{
    SetModifiedFlag(true);
    UpdateAllViews(nullptr);
}

COvalbumRec* COvalbumDoc::AddPictureFile(const std::string& path, bool beforeSelection, CProgress* progress)
{
    PictureRef read(ReadAlbumThumbnailSource(path, progress));
    return read.picture ? AddPicture(path, *read.picture, beforeSelection) : nullptr;
}

COvalbumRec* COvalbumDoc::InsertNewRecord(const std::string& path, const WA& picture, bool beforeSelection)
{
    auto record = std::make_unique<COvalbumRec>();
    if (!record->SetThumbnail(picture))
        return nullptr;
    record->path = path;
    record->ReadFileTimes();
    return InsertRecord(std::move(record), beforeSelection ? GetSelection() : nullptr);
}

COvalbumRec* COvalbumDoc::AddPicture(const std::string& path, const WA& picture, bool beforeSelection)
{
    if (WA::BitsPerPixelOf(picture.type) == 0)
        return nullptr;
    TakeSnapshot();
    COvalbumRec* added = InsertNewRecord(path, picture, beforeSelection);
    EndChange();
    return added;
}

int32_t COvalbumDoc::AddPictureFiles(const std::vector<std::string>& paths, const std::function<void(int32_t)>& adding,
                                     CProgress* progress)
{
    int32_t added = 0;
    for (const std::string& path : paths) {
        PictureRef read(ReadAlbumThumbnailSource(path, progress));
        if (!read.picture || WA::BitsPerPixelOf(read.picture->type) == 0)
            continue;
        // One snapshot for the whole batch, taken before its first record.
        if (added == 0)
            TakeSnapshot();
        ++added;
        if (adding)
            adding(added);
        InsertNewRecord(path, *read.picture, false);
    }
    EndChange();
    return added;
}

bool COvalbumDoc::DeleteSelection()
{
    COvalbumRec* selection = GetSelection();
    if (!selection)
        return false;
    TakeSnapshot();
    const int32_t at = IndexOf(selection);
    const COvalbumRec* next = at + 1 < int32_t(records_.size()) ? records_[at + 1].get() : nullptr;
    Select(next);
    RemoveRecord(selection);
    EndChange();
    return true;
}

void COvalbumDoc::SortRecords(AlbumSortKey key)
{
    TakeSnapshot();
    SortAlbumRecords(records_, key);
    EndChange();
}

void COvalbumDoc::MoveRecord(const COvalbumRec* record, const COvalbumRec* before)
{
    if (record == before || IndexOf(record) < 0)
        return;
    TakeSnapshot();
    MoveRecordBefore(record, before);
    EndChange();
}

void COvalbumDoc::RemoveRecords(const std::vector<const COvalbumRec*>& records)
{
    if (std::none_of(records.begin(), records.end(), [&](const COvalbumRec* r) { return IndexOf(r) >= 0; }))
        return;
    TakeSnapshot();
    for (const COvalbumRec* r : records)
        RemoveRecord(r);
    EndChange();
}

void COvalbumDoc::SetRecordTexts(COvalbumRec& record, const std::string& alias, const std::string& group,
                                 const std::string& subgroup, const std::string& recordComments)
{
    TakeSnapshot();
    record.alias = alias;
    record.group = group;
    record.subgroup = subgroup;
    record.comments = recordComments;
    EndChange();
}

void COvalbumDoc::SetAlbumTexts(const std::string& albumComments, const std::string& group,
                                const std::string& subgroup)
{
    TakeSnapshot();
    comments = albumComments;
    groupCaption = group;
    subgroupCaption = subgroup;
    EndChange();
}

void COvalbumDoc::SetSearch(const AlbumSearch& settings)
{
    search = settings;
    viewOnlyFound = 1;
    UpdateAllViews(nullptr);
}

bool COvalbumDoc::RenewRecord(COvalbumRec& record, const std::string& path, CProgress* progress)
{
    PictureRef read(ReadAlbumThumbnailSource(path, progress));
    COvalbumRec renewed;
    renewed.path = path;
    if (!read.picture || !renewed.SetThumbnail(*read.picture) || !renewed.ReadFileTimes())
        return false;
    TakeSnapshot();
    record.path = path;
    record.thumbnail = renewed.thumbnail;
    record.hasThumbnail = 1;
    record.creationTime = renewed.creationTime;
    record.modificationTime = renewed.modificationTime;
    record.ignored = 0;
    EndChange();
    return true;
}
