// Reading a settings or store file that the user, or another program, may
// have turned into anything: only a regular file is read, a FIFO or device
// is never opened for reading (a FIFO would block, /dev/zero never ends), and
// a file larger than kMaxSettingsFileSize is refused rather than read whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// What tells one version of a file from another without reading it: a
// replacement gets a new inode, a change in place a new time or size.
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

struct SettingsFileContent {
    FileStamp stamp; // of the file the text was read from
    std::string text;
};

inline constexpr size_t kMaxSettingsFileSize = size_t(32) << 20;

// The stamp of what path names now (links followed); none when nothing is
// there. Any other failure raises QnExcept.
std::optional<FileStamp> StampOf(const std::string& path);

// The whole file; none when it does not exist. A path that names something
// other than a regular file, a file larger than maxSize and a file that
// cannot be read raise QnExcept with a text that says which.
std::optional<SettingsFileContent> ReadSettingsFile(const std::string& path,
                                                    size_t maxSize = kMaxSettingsFileSize);

} // namespace platform
