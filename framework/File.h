// A byte stream that archives read and write: a file on disk or a block of
// memory. Errors are FileExceptions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fw {

class File {
public:
    File() = default;
    virtual ~File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Reads up to count bytes; fewer (0 at the end) when the file ends.
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual void Write(const void* buffer, size_t count) = 0;
    virtual uint64_t GetLength() const = 0;
    virtual uint64_t GetPosition() const = 0;
    virtual void Seek(uint64_t position) = 0;
    virtual void Flush() {}
    // The path shown in messages; empty for a file without one.
    virtual std::string GetFilePath() const { return {}; }

    void SeekToBegin() { Seek(0); }
};

}  // namespace fw
