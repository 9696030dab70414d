// The open album: its picture records in display order, its captions and
// comments, the search filter, and one level of undo. Stored in ".OVA"
// files through the framework's archive; opening a file that cannot be read
// whole leaves the album as it was, and a save replaces the old file only
// once the new one is complete.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "album/doc/AlbumSearch.h"
#include "album/doc/OvalbumRec.h"
#include "framework/Document.h"

namespace fw {
class MemFile;
}

class COvalbumDoc : public fw::Document {
    FW_DECLARE_DYNCREATE(COvalbumDoc)

public:
    static constexpr const char* kSignature = "Ov Album v.1.0 Document";
    static constexpr int32_t kDefaultSlideShowDelay = 3000;

    using RecordList = std::vector<std::unique_ptr<COvalbumRec>>;

    COvalbumDoc();
    ~COvalbumDoc() override;

    // The records, owned, in display order.
    const RecordList& GetRecords() const { return records_; }
    RecordList& GetRecords() { return records_; }
    // Position of record in the list, or -1.
    int32_t IndexOf(const COvalbumRec* record) const;
    // Inserts record before before (appends when before is null or not in
    // the album) and answers it.
    COvalbumRec* InsertRecord(std::unique_ptr<COvalbumRec> record, const COvalbumRec* before = nullptr);
    // Takes record out of the album and deletes it.
    void RemoveRecord(const COvalbumRec* record);
    // Moves record before before (to the end when before is null).
    void MoveRecordBefore(const COvalbumRec* record, const COvalbumRec* before);

    // Undo: every change of the album first takes a snapshot of the whole
    // album; Undo brings the album back to it once.
    void TakeSnapshot();
    bool HasSnapshot() const { return snapshot_ != nullptr; }
    // False (nothing done) without a snapshot.
    bool Undo();

    // The path last passed to open or save; its folder is the base of the
    // relative record paths in the file.
    const std::string& GetCurrentPath() const { return currentPath_; }
    // The album file's name without folder and extension.
    std::string GetAlbumTitle() const;

    void Serialize(fw::Archive& ar) override;
    void DeleteContents() override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

    int32_t slideShowDelay = kDefaultSlideShowDelay;  // milliseconds
    std::string comments;
    int32_t viewOnlyFound = 0;
    int32_t updateAll = 0;  // Yes-to-All of one pass of the changed-file check
    AlbumSearch search = AlbumSearch::Defaults();
    std::string groupCaption;
    std::string subgroupCaption;
    std::string aliasCaption;

private:
    // The stream of the file and the snapshot, with record paths relative
    // to base. Loading replaces the album only once all of it was read.
    void Store(fw::Archive& ar, const std::string& base);
    void Load(fw::Archive& ar, const std::string& base);
    void ResetAlbumSettings();
    void DropSnapshot();
    // Gives every view the album's title and repaints it.
    void RetitleViews();

    RecordList records_;
    std::string currentPath_;
    std::unique_ptr<fw::MemFile> snapshot_;
    // The folder the snapshot's relative paths were made against, which a
    // save under another name in between must not change.
    std::string snapshotBase_;
    // Whether the album matched its file when the snapshot was taken and has
    // not been saved since: only then is it unmodified after an undo.
    bool snapshotClean_ = false;
};
