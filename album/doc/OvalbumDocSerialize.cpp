// The stream of an album file (and of the undo snapshot): signature,
// comments, view-only-found, the three captions, then the records.
#include "album/doc/OvalbumDoc.h"

#include "album/doc/AlbumPaths.h"
#include "album/doc/AlbumRcStr.h"
#include "framework/ArchiveCollections.h"
#include "framework/MessageBox.h"

namespace {

// Keeps the records' in-memory paths while they are stored relative to the
// album's folder, and puts them back however the store ends.
class RelativePathsWhileStoring {
public:
    RelativePathsWhileStoring(COvalbumDoc::RecordList& records, const std::string& base) : records_(records)
    {
        for (auto& record : records_) {
            saved_.push_back(record->path);
            record->path = StoredRecordPath(record->path, base);
        }
    }
    ~RelativePathsWhileStoring()
    {
        for (size_t i = 0; i < saved_.size(); ++i)
            records_[i]->path = std::move(saved_[i]);
    }
    RelativePathsWhileStoring(const RelativePathsWhileStoring&) = delete;
    RelativePathsWhileStoring& operator=(const RelativePathsWhileStoring&) = delete;

private:
    COvalbumDoc::RecordList& records_;
    std::vector<std::string> saved_;
};

} // namespace

void COvalbumDoc::Serialize(fw::Archive& ar)
{
    const std::string base = AlbumBaseFolder(currentPath_);
    if (ar.IsStoring())
        Store(ar, base);
    else
        Load(ar, base);
}

void COvalbumDoc::Store(fw::Archive& ar, const std::string& base)
{
    ar << kSignature << comments << viewOnlyFound << groupCaption << subgroupCaption << aliasCaption;
    RelativePathsWhileStoring relative(records_, base);
    fw::SerializeObjects(ar, records_);
}

void COvalbumDoc::Load(fw::Archive& ar, const std::string& base)
{
    if (ar.ReadString() != kSignature) {
        fw::MessageBox(OvAlbumRcStr()(IDS_WRONG_VERSION), fw::MB_OK | fw::MB_ICONSTOP);
        throw fw::NotSupportedException();
    }
    std::string readComments, readGroup, readSubgroup, readAlias;
    int32_t readViewOnlyFound = 0;
    ar >> readComments >> readViewOnlyFound >> readGroup >> readSubgroup >> readAlias;
    RecordList read;
    fw::SerializeObjects(ar, read);
    for (auto& record : read) {
        // A null reference would leave a hole in the list.
        if (!record)
            throw fw::ArchiveException(fw::ArchiveException::badClass, ar.GetFile()->GetFilePath());
        record->path = LoadedRecordPath(record->path, base);
    }

    comments = std::move(readComments);
    viewOnlyFound = readViewOnlyFound;
    groupCaption = std::move(readGroup);
    subgroupCaption = std::move(readSubgroup);
    aliasCaption = std::move(readAlias);
    DeleteContents();
    records_ = std::move(read);
}
