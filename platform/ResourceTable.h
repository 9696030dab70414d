// The resources of one module: the table of its "pi_rsrc" section, read from
// the module file without loading it, or from the module's own section when
// it runs. Every offset is checked when the table is read, so a damaged
// table raises there and never afterwards.
#pragma once

#include "platform/ResourceName.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

class ResourceTable {
public:
    ResourceTable() = default; // no resources

    // Parses a table; the bytes are copied. Trailing bytes after the table
    // (section padding) are ignored. A damaged table raises QnExcept.
    static ResourceTable FromBytes(std::span<const uint8_t> section);

    // The table of a module file, read through its ELF section headers; the
    // module is neither loaded nor run. A module without the section has no
    // resources. A file that is not a 64-bit ELF file, or a damaged section,
    // raises QnExcept naming the file.
    static ResourceTable FromFile(const std::string& path);

    // The bytes of resource id of type; none when absent. The span lives as
    // long as the table.
    std::optional<std::span<const uint8_t>> Find(const ResourceName& type, const ResourceName& id) const;
    // String-table entry id.
    std::optional<std::string> FindString(uint32_t id) const;

    bool HasType(const ResourceName& type) const;
    // The ids of type, in table order.
    std::vector<ResourceName> Ids(const ResourceName& type) const;
    size_t Count() const { return entries_.size(); }

private:
    struct Entry {
        ResourceName type;
        ResourceName id;
        uint32_t offset;
        uint32_t size;
    };

    std::vector<uint8_t> bytes_;
    std::vector<Entry> entries_;
    // Built once when the table is read, so that a lookup costs the same in
    // a module of a few resources as in one of many thousands: the first
    // entry of each type and id, and the entries of each type in order.
    std::unordered_map<std::string, size_t> byTypeAndId_;
    std::unordered_map<std::string, std::vector<size_t>> byType_;
};

} // namespace platform
