#include "filters/edges/ModuleMasks.h"

#include "base/QnExcept.h"
#include "platform/OwnResources.h"

#include <map>
#include <optional>

const EdgeMask* ModuleMask(int32_t resource)
{
    static std::map<int32_t, std::optional<EdgeMask>> cache;
    if (resource < 0)
        return nullptr;
    auto found = cache.find(resource);
    if (found == cache.end()) {
        std::optional<EdgeMask> mask;
        try {
            static const platform::ResourceTable table = platform::OwnResources();
            if (auto bytes = table.Find(platform::ResourceType::Bitmap, uint32_t(resource)))
                mask = EdgeMask::FromDib(*bytes);
        } catch (const QnExcept&) {
            // A damaged table holds no masks.
        }
        found = cache.emplace(resource, std::move(mask)).first;
    }
    return found->second ? &*found->second : nullptr;
}
