// A small album of two records, as a document and as the bytes of its file
// written out by hand.
#pragma once

#include <initializer_list>
#include <string_view>

#include "AlbumTestSupport.h"

namespace albumtest {

struct Bytes {
    std::vector<uint8_t> v;
    Bytes& operator()(std::initializer_list<uint8_t> bytes)
    {
        v.insert(v.end(), bytes);
        return *this;
    }
    Bytes& operator()(std::string_view text)
    {
        v.insert(v.end(), text.begin(), text.end());
        return *this;
    }
};

inline AlbumThumbnailBlock Pattern()
{
    AlbumThumbnailBlock block;
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = uint8_t(i * 7);
    return block;
}

// Two records: one in a folder under the album's, without thumbnail; one
// elsewhere, with one.
inline void FillSmallAlbum(COvalbumDoc& doc, const std::string& folder)
{
    auto first = MakeRecord(folder + "sub/p1.jpg", "Al", 0x01020304, 0x05060708);
    first->group = "G";
    first->comments = "C";
    first->selected = 1;  // not stored
    doc.InsertRecord(std::move(first));
    auto second = MakeRecord("/other/p2.bmp", "", 0x10, 0x20);
    second->hasThumbnail = 1;
    second->thumbnail = Pattern();
    doc.InsertRecord(std::move(second));
    doc.comments = "hi";
    doc.viewOnlyFound = 1;
}

inline std::vector<uint8_t> SmallAlbumBytes()
{
    Bytes b;
    b({23})("Ov Album v.1.0 Document");
    b({2})("hi");
    b({1, 0, 0, 0});
    b({5})("Place")({9})("More info")({5})("Alias");
    b({2, 0});
    b({0xFF, 0xFF, 0, 0, 11, 0})("COvalbumRec");
    b({10})("sub/p1.jpg")({1})("G")({0})({2})("Al")({1})("C");
    b({0, 0, 0, 0})({4, 3, 2, 1})({8, 7, 6, 5});
    b({0x01, 0x80});
    b({13})("/other/p2.bmp")({0})({0})({0})({0});
    b({1, 0, 0, 0})({0x10, 0, 0, 0})({0x20, 0, 0, 0});
    const AlbumThumbnailBlock block = Pattern();
    b.v.insert(b.v.end(), block.begin(), block.end());
    return b.v;
}

// Where fields of SmallAlbumBytes() start.
namespace small {
constexpr size_t kCount = 53;
constexpr size_t kSchema = 57;
constexpr size_t kClassName = 61;
constexpr size_t kFirstRecord = 72;
constexpr size_t kSecondTag = 103;
constexpr size_t kThumbnail = 135;
constexpr size_t kSize = kThumbnail + kThumbnailBytes;
} // namespace small

} // namespace albumtest
