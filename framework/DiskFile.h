// A file on disk. Files opened for writing with kSafeSave are written under a
// temporary name beside the target and take its place only at Commit(), so a
// failed write never leaves a half-written file over a good one.
#pragma once

#include <string>

#include "framework/File.h"

namespace fw {

class DiskFile : public File {
public:
    enum Mode {
        kRead,          // existing file, read only
        kCreateWrite,   // created or truncated, write only
        kSafeSave,      // written beside the target, renamed over it by Commit()
    };

    DiskFile(const std::string& path, Mode mode);
    ~DiskFile() override;

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    uint64_t GetLength() const override;
    uint64_t GetPosition() const override;
    void Seek(uint64_t position) override;
    void Flush() override;
    std::string GetFilePath() const override { return path_; }

    // Finishes the file: flushes and closes it, and for kSafeSave moves the
    // temporary file over the target. Without Commit a safe save is discarded.
    void Commit();

private:
    void Close(bool keep);

    std::string path_;
    std::string tempPath_;
    Mode mode_;
    int fd_ = -1;
};

}  // namespace fw
