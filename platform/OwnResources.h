// The resources of the module that includes this header: the table that
// qn_add_resources() placed in its "pi_rsrc" section. Each module has its own
// copy of these functions (hidden visibility), so that a library or module
// always reaches its own section and never that of the program or of
// another module loaded beside it. A target that calls them without
// qn_add_resources() does not link.
#pragma once

#include "platform/ResourceStringSource.h"
#include "platform/ResourceTable.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// Defined in the file that qn_add_resources() generates for each target.
extern "C" __attribute__((visibility("hidden"))) const unsigned char* qn_own_resources(size_t* size);

namespace platform {

// The raw bytes of this module's section.
__attribute__((visibility("hidden"))) inline std::span<const uint8_t> OwnResourceSection()
{
    size_t size = 0;
    const unsigned char* bytes = qn_own_resources(&size);
    return {bytes, size};
}

// This module's resources; a damaged table raises QnExcept.
__attribute__((visibility("hidden"))) inline ResourceTable OwnResources()
{
    return ResourceTable::FromBytes(OwnResourceSection());
}

// This module's strings, for its QnRcStr:
//   rc.SetResourceModule(platform::OwnStringSource());
__attribute__((visibility("hidden"))) inline std::shared_ptr<const QnStringSource> OwnStringSource()
{
    return std::make_shared<ResourceStringSource>(OwnResources());
}

} // namespace platform
