#include "platform/ResourceTable.h"

#include "platform/ElfSectionReader.h"
#include "platform/ResourceFormat.h"
#include "platform/SystemError.h"

#include "base/QnExcept.h"
#include "base/QnLittleEndian.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace RF = ResourceFormat;

namespace {

[[noreturn]] void Damaged(const std::string& what, int line)
{
    RaiseError("Damaged resource table: " + what, "ResourceTable", line);
}

// A name or number field pair of an entry, checked against the table size.
ResourceName ReadName(std::span<const uint8_t> table, uint32_t number, uint32_t nameOffset)
{
    if (nameOffset == 0)
        return ResourceName(number);
    if (nameOffset < RF::kHeaderSize || nameOffset >= table.size())
        Damaged("a name lies outside the table", __LINE__);
    const uint8_t* begin = table.data() + nameOffset;
    const void* end = std::memchr(begin, 0, table.size() - nameOffset);
    if (!end)
        Damaged("a name has no end", __LINE__);
    return ResourceName(std::string(reinterpret_cast<const char*>(begin), static_cast<const uint8_t*>(end) - begin));
}

} // namespace

ResourceTable ResourceTable::FromBytes(std::span<const uint8_t> section)
{
    if (section.size() < RF::kHeaderSize)
        Damaged("shorter than its header", __LINE__);
    if (!std::equal(std::begin(RF::kMagic), std::end(RF::kMagic), section.data() + RF::kHeaderMagic))
        Damaged("no resource table signature", __LINE__);
    const uint16_t version = QnGetLE16(section.data() + RF::kHeaderVersion);
    if (version != RF::kVersion)
        Damaged("version " + std::to_string(version) + " is not known", __LINE__);
    const uint64_t headerSize = QnGetLE16(section.data() + RF::kHeaderSizeField);
    const uint64_t count = QnGetLE32(section.data() + RF::kHeaderEntryCount);
    const uint64_t total = QnGetLE32(section.data() + RF::kHeaderTotalSize);
    if (total > section.size())
        Damaged("the table is cut short (" + std::to_string(section.size()) + " of " + std::to_string(total) +
                    " bytes)",
                __LINE__);
    if (headerSize < RF::kHeaderSize || headerSize + count * RF::kEntrySize > total)
        Damaged("the index does not fit in the table", __LINE__);

    ResourceTable table;
    std::span<const uint8_t> bytes = section.first(size_t(total));
    table.entries_.reserve(size_t(count));
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* entry = bytes.data() + headerSize + i * RF::kEntrySize;
        const uint32_t offset = QnGetLE32(entry + RF::kEntryDataOffset);
        const uint32_t size = QnGetLE32(entry + RF::kEntryDataSize);
        if (uint64_t(offset) + size > total)
            Damaged("the data of entry " + std::to_string(i) + " lies outside the table", __LINE__);
        table.entries_.push_back({ReadName(bytes, QnGetLE32(entry + RF::kEntryTypeNumber),
                                           QnGetLE32(entry + RF::kEntryTypeName)),
                                  ReadName(bytes, QnGetLE32(entry + RF::kEntryIdNumber),
                                           QnGetLE32(entry + RF::kEntryIdName)),
                                  offset, size});
    }
    table.bytes_.assign(bytes.begin(), bytes.end());
    for (size_t i = 0; i < table.entries_.size(); ++i) {
        const Entry& entry = table.entries_[i];
        table.byTypeAndId_.emplace(ResourceName::PairKey(entry.type, entry.id), i); // the first one wins
        table.byType_[entry.type.Key()].push_back(i);
    }
    return table;
}

ResourceTable ResourceTable::FromFile(const std::string& path)
{
    std::optional<std::vector<uint8_t>> section = ElfSectionReader::ReadSection(path, RF::kSectionName);
    if (!section)
        return {};
    try {
        return FromBytes(*section);
    } catch (QnExcept& error) {
        error.settext((path + ": " + error.what()).c_str());
        throw;
    }
}

std::optional<std::span<const uint8_t>> ResourceTable::Find(const ResourceName& type, const ResourceName& id) const
{
    const auto found = byTypeAndId_.find(ResourceName::PairKey(type, id));
    if (found == byTypeAndId_.end())
        return std::nullopt;
    const Entry& entry = entries_[found->second];
    return std::span<const uint8_t>(bytes_.data() + entry.offset, entry.size);
}

std::optional<std::string> ResourceTable::FindString(uint32_t id) const
{
    std::optional<std::span<const uint8_t>> bytes = Find(ResourceType::String, id);
    if (!bytes)
        return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

bool ResourceTable::HasType(const ResourceName& type) const
{
    return byType_.contains(type.Key());
}

std::vector<ResourceName> ResourceTable::Ids(const ResourceName& type) const
{
    std::vector<ResourceName> ids;
    if (const auto found = byType_.find(type.Key()); found != byType_.end())
        for (size_t i : found->second)
            ids.push_back(entries_[i].id);
    return ids;
}

} // namespace platform
