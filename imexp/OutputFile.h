// The file a writer fills: buffered writes to a descriptor with the seeks
// and read-backs that TIFF needs. The first failure is kept and every later
// call fails too, so an encoder that only learns of it at the end still
// reports the real cause ("No space left on device").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace imexp {

class OutputFile {
public:
    explicit OutputFile(int fd);

    bool Write(const void* data, size_t size);
    // Write, raising the failure's reason.
    void WriteOrFail(const void* data, size_t size);
    bool Flush();
    // lseek's whence; answers the new position, or -1.
    int64_t Seek(int64_t offset, int whence);
    // Reads at the current position (what was written before); -1 on failure.
    int64_t Read(void* out, size_t size);
    int64_t Size();

    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }

    // For tests of failed saves: once this many bytes have reached files
    // (counting from this call), further writes fail as a full disk would.
    // A negative count turns the fault off.
    static void FailAfterBytesForTest(int64_t bytes);

private:
    bool Record(int error);
    bool WriteRaw(const uint8_t* data, size_t size);

    int fd_;
    std::vector<uint8_t> buffer_;
    std::string error_;
    uint64_t unsynced_ = 0;  // bytes written since the disk was last asked to start
};

} // namespace imexp
