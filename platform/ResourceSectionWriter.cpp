#include "platform/ResourceSectionWriter.h"

#include "platform/ResourceFormat.h"
#include "platform/SystemError.h"

#include "base/QnLittleEndian.h"

#include <limits>

namespace platform {

namespace RF = ResourceFormat;

void ResourceSectionWriter::Add(const ResourceName& type, const ResourceName& id, std::vector<uint8_t> bytes)
{
    if (!given_.insert(ResourceName::PairKey(type, id)).second)
        RaiseError("Resource " + id.Text() + " of type " + type.Text() + " is given twice",
                   "ResourceSectionWriter", __LINE__);
    entries_.push_back({type, id, std::move(bytes)});
}

std::vector<uint8_t> ResourceSectionWriter::Bytes() const
{
    std::vector<uint8_t> out(RF::kHeaderSize + RF::kEntrySize * entries_.size(), 0);
    auto addName = [&out](const ResourceName& name) -> uint32_t {
        if (name.IsNumber())
            return 0;
        const uint32_t at = uint32_t(out.size());
        out.insert(out.end(), name.Name().begin(), name.Name().end());
        out.push_back(0);
        return at;
    };
    std::vector<uint32_t> typeNames, idNames, dataOffsets;
    for (const Entry& entry : entries_) {
        typeNames.push_back(addName(entry.type));
        idNames.push_back(addName(entry.id));
    }
    for (const Entry& entry : entries_) {
        out.resize((out.size() + RF::kDataAlignment - 1) / RF::kDataAlignment * RF::kDataAlignment, 0);
        dataOffsets.push_back(uint32_t(out.size()));
        out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
    }
    if (out.size() > std::numeric_limits<uint32_t>::max())
        RaiseError("The resources do not fit in a table of 4 GiB", "ResourceSectionWriter", __LINE__);

    for (size_t i = 0; i < RF::kHeaderMagic + 4; ++i)
        out[i] = RF::kMagic[i];
    QnPutLE16(&out[RF::kHeaderVersion], RF::kVersion);
    QnPutLE16(&out[RF::kHeaderSizeField], uint16_t(RF::kHeaderSize));
    QnPutLE32(&out[RF::kHeaderEntryCount], uint32_t(entries_.size()));
    QnPutLE32(&out[RF::kHeaderTotalSize], uint32_t(out.size()));
    for (size_t i = 0; i < entries_.size(); ++i) {
        uint8_t* entry = &out[RF::kHeaderSize + RF::kEntrySize * i];
        QnPutLE32(entry + RF::kEntryTypeNumber, entries_[i].type.Number());
        QnPutLE32(entry + RF::kEntryTypeName, typeNames[i]);
        QnPutLE32(entry + RF::kEntryIdNumber, entries_[i].id.Number());
        QnPutLE32(entry + RF::kEntryIdName, idNames[i]);
        QnPutLE32(entry + RF::kEntryDataOffset, dataOffsets[i]);
        QnPutLE32(entry + RF::kEntryDataSize, uint32_t(entries_[i].bytes.size()));
    }
    return out;
}

} // namespace platform
