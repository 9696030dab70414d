#include "tasks/module/panels/LdEditorResources.h"

#include "editor/loadable/LdLoadable.h"
#include "framework/Clipboard.h"
#include "framework/ResourceException.h"
#include "framework/ResourceSearch.h"

#include <optional>
#include <vector>

namespace {

// A program whose resources cannot be read has none to offer a panel: the
// panel shows what it can without them.
std::optional<std::vector<uint8_t>> FindEditorResource(uint32_t type, uint32_t id)
{
    try {
        return fw::ResourceSearch::Get().Find(type, id);
    } catch (const fw::ResourceException&) {
        return std::nullopt;
    }
}

}  // namespace

std::string LdLoadEditorString(uint32_t id)
{
    const auto bytes = FindEditorResource(platform::ResourceType::String, id);
    if (!bytes)
        return {};
    std::string text(bytes->begin(), bytes->end());
    // Read into the 128-character buffer every loadable uses.
    if (text.size() > CLdLoadable::kMaxStringLength)
        text.resize(CLdLoadable::kMaxStringLength);
    return text;
}

QImage LdLoadEditorBitmap(uint32_t id)
{
    const auto dib = FindEditorResource(platform::ResourceType::Bitmap, id);
    if (!dib)
        return QImage();
    return fw::Clipboard::DibToImage(*dib).value_or(QImage());
}
