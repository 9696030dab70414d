#include "tasks/module/panels/LdEditorString.h"

#include "editor/loadable/LdLoadable.h"
#include "framework/ResourceSearch.h"
#include "platform/ResourceName.h"

std::string LdEditorString(int32_t id)
{
    if (id < 0)
        return {};
    const auto bytes = fw::ResourceSearch::Get().Find(platform::ResourceType::String, uint32_t(id));
    if (!bytes)
        return {};
    std::string text(bytes->begin(), bytes->end());
    if (text.size() > CLdLoadable::kMaxStringLength)
        text.resize(CLdLoadable::kMaxStringLength);
    return text;
}
