// One picture of an album: the path of its file, four free text fields, the
// file's time stamps when the record was made or refreshed, and a thumbnail.
// Stored in album files as an archive object of class "COvalbumRec".
#pragma once

#include <cstdint>
#include <string>

#include "album/doc/AlbumThumbnail.h"
#include "framework/Object.h"

class WA;

class COvalbumRec : public fw::Object {
    FW_DECLARE_SERIAL(COvalbumRec)

public:
    // What GetFileState answers.
    enum FileState : int { fileMissing = -1, fileUnchanged = 0, fileChanged = 1 };

    COvalbumRec();

    // Path, the four texts, has-thumbnail, the two times and, when it has
    // one, the whole thumbnail block. Selected and ignored stay in memory.
    void Serialize(fw::Archive& ar) override;

    // Missing when the file cannot be found, changed when its last-write
    // time is not the one recorded, else unchanged.
    FileState GetFileState() const;
    // Takes the file's two times; false (times kept) when it is missing.
    bool ReadFileTimes();
    // Makes the thumbnail from the picture and marks it valid; false (all
    // kept) for a picture of no known type.
    bool SetThumbnail(const WA& picture);

    std::string path;       // absolute in memory
    std::string group;
    std::string subgroup;
    std::string alias;
    std::string comments;
    int32_t creationTime = 0;       // seconds since 1970
    int32_t modificationTime = 0;
    int32_t hasThumbnail = 0;
    AlbumThumbnailBlock thumbnail{};
    int32_t selected = 0;   // the current selection (in memory only)
    int32_t ignored = 0;    // the user chose to ignore its missing or changed file
};
