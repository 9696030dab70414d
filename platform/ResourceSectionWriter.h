// Builds the bytes of a resource table (ResourceFormat.h) from a list of
// resources: what the build tool places in a module's "pi_rsrc" section.
#pragma once

#include "platform/ResourceName.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace platform {

class ResourceSectionWriter {
public:
    // Adds one resource; a type and id that are already present raise
    // QnExcept.
    void Add(const ResourceName& type, const ResourceName& id, std::vector<uint8_t> bytes);

    std::vector<uint8_t> Bytes() const;

private:
    struct Entry {
        ResourceName type;
        ResourceName id;
        std::vector<uint8_t> bytes;
    };
    std::vector<Entry> entries_;
    std::unordered_set<std::string> given_; // ResourceName::PairKey of each
};

} // namespace platform
