// Layout of the resource table that every module carries in its ELF section
// "pi_rsrc". All fields are little-endian; offsets count from the start of
// the table.
//
//   header   16 bytes   magic "QNRS", version, header size, entry count,
//                       total size of the table
//   index    24 bytes a entry, in the order the description gave them
//   names    NUL-ended names of named types and ids
//   data     the resources' bytes, each starting on an 8-byte boundary
//
// A type or id whose name offset is 0 is a number (offset 0 is the header,
// never a name).
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::ResourceFormat {

constexpr const char* kSectionName = "pi_rsrc";
constexpr uint8_t kMagic[4] = {'Q', 'N', 'R', 'S'};
constexpr uint16_t kVersion = 1;
constexpr size_t kDataAlignment = 8;

// Header fields.
constexpr size_t kHeaderMagic = 0;
constexpr size_t kHeaderVersion = 4;
constexpr size_t kHeaderSizeField = 6;
constexpr size_t kHeaderEntryCount = 8;
constexpr size_t kHeaderTotalSize = 12;
constexpr size_t kHeaderSize = 16;

// Index entry fields.
constexpr size_t kEntryTypeNumber = 0;
constexpr size_t kEntryTypeName = 4;
constexpr size_t kEntryIdNumber = 8;
constexpr size_t kEntryIdName = 12;
constexpr size_t kEntryDataOffset = 16;
constexpr size_t kEntryDataSize = 20;
constexpr size_t kEntrySize = 24;

static_assert(kHeaderTotalSize + 4 == kHeaderSize);
static_assert(kEntryDataSize + 4 == kEntrySize);

} // namespace platform::ResourceFormat
