// Helpers of the sketch tests: archives in memory, byte strings written by
// hand, and small packed DIBs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "platform/Dib.h"

namespace sketchtest {

using Bytes = std::vector<uint8_t>;

// Little-endian byte strings as the archive writes them.
class ByteWriter {
public:
    ByteWriter& u8(uint8_t v) { bytes.push_back(v); return *this; }
    ByteWriter& u16(uint16_t v) { return u8(uint8_t(v)).u8(uint8_t(v >> 8)); }
    ByteWriter& u32(uint32_t v) { return u16(uint16_t(v)).u16(uint16_t(v >> 16)); }
    ByteWriter& u64(uint64_t v) { return u32(uint32_t(v)).u32(uint32_t(v >> 32)); }
    ByteWriter& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    ByteWriter& raw(const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); return *this; }
    ByteWriter& raw(const Bytes& b) { bytes.insert(bytes.end(), b.begin(), b.end()); return *this; }
    // A string: its length byte (short strings), then the characters.
    ByteWriter& str(const std::string& s) { return u8(uint8_t(s.size())).raw(s); }
    // The tag of a class written for the first time, schema 1.
    ByteWriter& newClass(const std::string& name) { return u16(0xFFFF).u16(1).u16(uint16_t(name.size())).raw(name); }
    Bytes bytes;
};

// How an object is stored by reference (WriteObject).
inline Bytes StoreObject(const fw::Object* object)
{
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        ar.WriteObject(object);
    }
    return file.data();
}

template <class T>
std::unique_ptr<T> LoadObject(const Bytes& bytes)
{
    fw::MemFile file(bytes);
    fw::Archive ar(file, fw::Archive::load);
    return ar.ReadOwnedObjectAs<T>();
}

// The flat form a shape writes with Store.
template <class Shape>
Bytes StoreFlat(Shape& shape)
{
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        shape.Store(ar);
    }
    return file.data();
}

template <class Shape>
void LoadFlat(Shape& shape, const Bytes& bytes)
{
    fw::MemFile file(bytes);
    fw::Archive ar(file, fw::Archive::load);
    shape.Load(ar);
}

// A 24-bit packed DIB of rows given top line first, pixels as 0xRRGGBB;
// bottom-up as the editor hands pictures over, or top-down.
inline Bytes MakeDib24(const std::vector<std::vector<uint32_t>>& rows, bool topDown = false)
{
    const auto height = static_cast<int32_t>(rows.size());
    const auto width = static_cast<int32_t>(rows.front().size());
    Bytes dib = platform::MakeDibHeader(width, height, 24, {}, 96, 96);
    if (topDown) {
        // biHeight negative: rows stored from the top.
        const int32_t h = -height;
        for (int i = 0; i < 4; ++i)
            dib[8 + i] = uint8_t(static_cast<uint32_t>(h) >> (8 * i));
    }
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(width), 24));
    for (int32_t i = 0; i < height; ++i) {
        const auto& row = rows[size_t(topDown ? i : height - 1 - i)];
        Bytes line(rowBytes, 0);
        for (int32_t x = 0; x < width; ++x) {
            line[size_t(3 * x)] = uint8_t(row[size_t(x)]);
            line[size_t(3 * x + 1)] = uint8_t(row[size_t(x)] >> 8);
            line[size_t(3 * x + 2)] = uint8_t(row[size_t(x)] >> 16);
        }
        dib.insert(dib.end(), line.begin(), line.end());
    }
    return dib;
}

}  // namespace sketchtest
