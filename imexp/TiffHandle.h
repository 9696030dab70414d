// A libtiff handle over bytes in memory (reading) or over an OutputFile
// (writing), with libtiff's messages caught per handle instead of printed,
// so that a failure can say what libtiff found wrong.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <tiffio.h>

namespace imexp {

class OutputFile;

class TiffHandle {
public:
    // maxAlloc: the largest single block libtiff may allocate.
    TiffHandle(std::span<const uint8_t> bytes, int64_t maxAlloc);
    // Reads an open file strip by strip into libtiff's or the caller's
    // buffers, or, when mapped, through a read-only mapping (pages come in
    // as libtiff touches them and stay until the handle closes); a file that
    // cannot be mapped is read as unmapped.
    enum class Access { Read, Map };
    TiffHandle(int fd, uint64_t size, int64_t maxAlloc, Access access);
    explicit TiffHandle(OutputFile& file);
    ~TiffHandle();
    TiffHandle(const TiffHandle&) = delete;
    TiffHandle& operator=(const TiffHandle&) = delete;

    TIFF* get() const { return tif_; }
    // Raises with what libtiff last reported, after what.
    [[noreturn]] void Fail(const std::string& what) const;
    // Closes a handle being written (writing the directory); false on failure.
    bool Close();

    struct MemoryInput {
        std::span<const uint8_t> bytes;
        uint64_t at = 0;
    };
    struct FileInput {
        int fd = -1;
        uint64_t size = 0;
        uint64_t at = 0;
    };

private:
    static int OnError(TIFF*, void* self, const char* module, const char* format, va_list args);
    static int OnWarning(TIFF*, void*, const char*, const char*, va_list);

    void OpenForReading(thandle_t input, TIFFReadWriteProc read, TIFFSeekProc seek, TIFFSizeProc size,
                        TIFFMapFileProc map, TIFFUnmapFileProc unmap, int64_t maxAlloc);

    MemoryInput input_;
    FileInput file_;
    TIFF* tif_ = nullptr;
    std::string error_;
};

} // namespace imexp
