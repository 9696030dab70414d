// A bounded little-endian reader over one metafile record. Reading past the
// end gives zeros and marks the reader failed, so a damaged record is read
// through once and then dropped by the caller, never read beyond its bytes.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "base/QnLittleEndian.h"

class MetaBytes {
public:
    MetaBytes() = default;
    MetaBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Ok() const { return ok_; }
    size_t Left() const { return size_ - at_; }
    size_t Size() const { return size_; }
    const uint8_t* Data() const { return data_; }

    // The next n bytes, or null (and failed) when fewer are left.
    const uint8_t* Take(size_t n)
    {
        if (n > Left()) {
            ok_ = false;
            at_ = size_;
            return nullptr;
        }
        const uint8_t* p = data_ + at_;
        at_ += n;
        return p;
    }
    void Skip(size_t n) { Take(n); }

    uint8_t U8()
    {
        const uint8_t* p = Take(1);
        return p ? *p : 0;
    }
    uint16_t U16()
    {
        const uint8_t* p = Take(2);
        return p ? QnGetLE16(p) : 0;
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    uint32_t U32()
    {
        const uint8_t* p = Take(4);
        return p ? QnGetLE32(p) : 0;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }

    // n bytes from offset of the whole record, or an empty failed reader.
    MetaBytes Slice(size_t offset, size_t n) const
    {
        if (offset > size_ || n > size_ - offset) {
            MetaBytes none;
            none.ok_ = false;
            return none;
        }
        return MetaBytes(data_ + offset, n);
    }

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t at_ = 0;
    bool ok_ = true;
};
