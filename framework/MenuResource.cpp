#include "framework/MenuResource.h"

#include <string>
#include <string_view>

#include "base/QnExcept.h"
#include "framework/ResourceException.h"
#include "framework/ResourceSearch.h"

namespace fw {

MenuTemplate LoadMenuTemplate(uint32_t id)
{
    const auto bytes = ResourceSearch::Get().Find(platform::ResourceType::Menu, id);
    if (!bytes)
        throw ResourceException("The program has no menu " + std::to_string(id) + ".");
    return ParseMenuResource(id, *bytes);
}

MenuTemplate ParseMenuResource(uint32_t id, std::span<const uint8_t> bytes)
{
    const std::string name = "menu " + std::to_string(id);
    try {
        return MenuTemplate::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                   name);
    } catch (const QnExcept& error) {
        // "menu 130:4: what" becomes "Menu 130 is damaged, line 4: what".
        std::string what = error.what();
        if (what.starts_with(name + ":"))
            what = "line " + what.substr(name.size() + 1);
        throw ResourceException("Menu " + std::to_string(id) + " is damaged, " + what);
    }
}

}  // namespace fw
