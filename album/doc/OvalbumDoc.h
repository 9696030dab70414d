// The open album: its picture records in display order, its captions and
// comments, the search filter, and one level of undo. Stored in ".OVA"
// files through the framework's archive; opening a file that cannot be read
// whole leaves the album as it was, and a save replaces the old file only
// once the new one is complete.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "album/doc/AlbumSearch.h"
#include "album/doc/AlbumSort.h"
#include "album/doc/OvalbumRec.h"
#include "framework/Document.h"

namespace fw {
class MemFile;
}
class CProgress;
class WA;

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

    // The search filter: every record passes while view only found is off.
    bool Passes(const COvalbumRec& record, int32_t position) const;
    // The records that pass, in list order.
    std::vector<COvalbumRec*> GetFoundRecords() const;
    // The first record that passes and carries the selected flag, or null.
    COvalbumRec* GetSelection() const;
    // Makes record (null: none) the only one with the selected flag.
    void Select(const COvalbumRec* record);

    // The album's changes. Each takes the undo snapshot first and ends with
    // the album marked modified and every view updated.
    //
    // A new record of the picture read from path, appended or put before
    // the selection; null (nothing changed) when the file cannot be read.
    COvalbumRec* AddPictureFile(const std::string& path, bool beforeSelection, CProgress* progress = nullptr);
    // The same with the picture already read.
    COvalbumRec* AddPicture(const std::string& path, const WA& picture, bool beforeSelection);
    // Appends a record for each file that reads, in order, skipping the
    // others without a word; one undo step brings back the album as it was
    // before all of them. adding(n) runs before the n-th record (from 1) is
    // made. Answers how many were added.
    int32_t AddPictureFiles(const std::vector<std::string>& paths, const std::function<void(int32_t)>& adding = {},
                            CProgress* progress = nullptr);
    // Removes the selection; the record after it becomes the selection.
    bool DeleteSelection();
    void SortRecords(AlbumSortKey key);
    // Moves record before before; nothing when they are the same.
    void MoveRecord(const COvalbumRec* record, const COvalbumRec* before);
    // Removes the records given (those still in the album).
    void RemoveRecords(const std::vector<const COvalbumRec*>& records);
    // The record's free texts, as the Picture Information dialog edits them.
    void SetRecordTexts(COvalbumRec& record, const std::string& alias, const std::string& group,
                        const std::string& subgroup, const std::string& recordComments);
    // The album's comments and two captions (Album Information).
    void SetAlbumTexts(const std::string& albumComments, const std::string& group, const std::string& subgroup);
    // Takes the search settings and shows only what they find.
    void SetSearch(const AlbumSearch& settings);
    // Renews the record from the picture at path (its own file again, or
    // another that replaces it): path, thumbnail and both times. False,
    // with nothing changed, when the file cannot be read.
    bool RenewRecord(COvalbumRec& record, const std::string& path, CProgress* progress = nullptr);
    // The end of every change: modified, views updated.
    void EndChange();

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
    // A record of picture put into the album, without snapshot or update.
    COvalbumRec* InsertNewRecord(const std::string& path, const WA& picture, bool beforeSelection);
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
