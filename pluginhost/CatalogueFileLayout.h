// The catalogue file: a 20-byte header with the magic "BDIP", the folder
// section (a 16-bit count, then 260-byte paths) and the plug-in section (a
// 32-bit count, then 1206-byte records), little-endian throughout. The
// structures below only fix the layout; the file is read and written field
// by field at these offsets.
#pragma once

#include <cstddef>
#include <cstdint>

namespace CatalogueFile {

#pragma pack(push, 1)
struct Header {
    uint16_t version;       // 1
    char magic[4];          // "BDIP"
    uint16_t folderCount;   // F
    uint32_t folderOffset;  // 20
    uint32_t pluginCount;   // N
    uint32_t pluginOffset;  // 22 + 260 F, or 20 when F is 0
};

struct Record {
    char path[260];
    uint32_t timeLow;
    uint32_t timeHigh;
    char category[128];     // the category's name, not an index
    char name[256];
    uint16_t modes;
    char entry[260];
    char aboutEntry[260];
    uint32_t id;            // id in the writing process, ignored on reading
    uint8_t filterCases[28];
};
#pragma pack(pop)

static_assert(sizeof(Header) == 20);
static_assert(offsetof(Header, magic) == 2);
static_assert(offsetof(Header, folderCount) == 6);
static_assert(offsetof(Header, folderOffset) == 8);
static_assert(offsetof(Header, pluginCount) == 12);
static_assert(offsetof(Header, pluginOffset) == 16);

static_assert(sizeof(Record) == 1206);
static_assert(offsetof(Record, timeLow) == 260);
static_assert(offsetof(Record, timeHigh) == 264);
static_assert(offsetof(Record, category) == 268);
static_assert(offsetof(Record, name) == 396);
static_assert(offsetof(Record, modes) == 652);
static_assert(offsetof(Record, entry) == 654);
static_assert(offsetof(Record, aboutEntry) == 914);
static_assert(offsetof(Record, id) == 1174);
static_assert(offsetof(Record, filterCases) == 1178);

constexpr uint16_t kVersion = 1;
constexpr char kMagic[4] = {'B', 'D', 'I', 'P'};
constexpr uint32_t kHeaderSize = sizeof(Header);
constexpr uint32_t kFolderSize = 260;
constexpr uint32_t kRecordSize = sizeof(Record);

constexpr uint32_t FolderOffset() { return kHeaderSize; }
constexpr uint32_t PluginOffset(uint32_t folders) { return folders ? kHeaderSize + 2 + kFolderSize * folders : kHeaderSize; }
// The size of a sound file: with no folders the plug-in count takes the
// place of the folder count.
constexpr uint64_t FileSize(uint32_t folders, uint32_t plugins)
{
    return uint64_t{PluginOffset(folders)} + 4 + uint64_t{kRecordSize} * plugins;
}

} // namespace CatalogueFile
