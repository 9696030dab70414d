// Where scanned pictures are stored: a folder, a file extension and the
// index of the format, kept in the album's settings file, section "TWAIN".
// The folder may be relative to the album's folder and ends in "/".
#pragma once

#include <cstdint>
#include <string>

namespace fw {
class ProfileStore;
}

struct AlbumScanSettings {
    static constexpr const char* kSection = "TWAIN";
    // Format indexes, in the order of the options dialog's list.
    enum Format : int32_t { Jpeg = 0, Tiff = 1, Bmp = 2 };

    std::string folder;     // "TMPFOLDER"
    std::string extension;  // "EXTENSION": "JPG", "TIF" or "BMP"
    int32_t format = Jpeg;  // "FILEFORMAT"

    void Read(fw::ProfileStore& profile);
    // An empty folder or extension is not written, so that a value the file
    // holds stays as it is; the format always is. False when the file could
    // not be written.
    bool Write(fw::ProfileStore& profile) const;

    // The folder the options dialog starts with: the scan folder, or while
    // there is none the user's pictures folder (the program's own folder
    // when the desktop names none).
    std::string InitialFolder(const std::string& picturesFolder, const std::string& programFolder) const;
    // The desktop's pictures folder with a trailing "/", or empty.
    static std::string UserPicturesFolder();
    // Takes what the options dialog closed with: the folder (a "/" added
    // when missing; an empty one stays empty rather than naming "/") and the format with its extension (an index outside the
    // list leaves the extension as it was).
    void TakeChoice(const std::string& chosenFolder, int32_t chosenFormat);
};
