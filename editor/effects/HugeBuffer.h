#pragma once

#include <cstddef>
#include <cstdint>

// Memory for a module's buffers, in 2 MB pieces that the kernel may back
// with huge pages: a buffer of a whole picture is touched with one fault
// for each 512 pages.
//
// A buffer given up is kept for the next run (the two largest are kept),
// its pages lent back to the kernel: memory the system never takes back is
// reused without faulting it in again, which for a whole picture costs more
// than many an effect itself. Bytes start undefined.
class HugeBuffer {
public:
    HugeBuffer() = default;
    // At least size bytes; empty when the system has no memory for them.
    static HugeBuffer New(int64_t size);

    ~HugeBuffer();
    HugeBuffer(HugeBuffer&& other) noexcept;
    HugeBuffer& operator=(HugeBuffer&& other) noexcept;
    HugeBuffer(const HugeBuffer&) = delete;
    HugeBuffer& operator=(const HugeBuffer&) = delete;

    uint8_t* get() const { return bytes_; }
    int64_t capacity() const { return int64_t(capacity_); }
    explicit operator bool() const { return bytes_ != nullptr; }

    // Gives the kept buffers back to the system.
    static void DropSpares();

private:
    HugeBuffer(uint8_t* bytes, size_t capacity) : bytes_(bytes), capacity_(capacity) {}
    void Release();

    uint8_t* bytes_ = nullptr;
    size_t capacity_ = 0;
};
