#include "platform/LangResources.h"

#include "platform/LanguageId.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

constexpr uint16_t kEnglish = PrimaryLangId(kUsEnglishLangId);

LangResources::LangResources(ResourceTable table, std::vector<uint16_t> languages)
    : table_(std::move(table)), languages_(std::move(languages))
{
}

std::vector<uint16_t> LangResources::OrdinaryLanguages(uint16_t langId)
{
    std::vector<uint16_t> languages{langId};
    const uint16_t primary = MakeLangId(PrimaryLangId(langId), 1);
    if (primary != langId)
        languages.push_back(primary);
    return languages;
}

ResourceName LangResources::TaggedType(const ResourceName& type, uint16_t langId)
{
    char tag[8];
    std::snprintf(tag, sizeof tag, ":%04X", unsigned(langId));
    return ResourceName((type.IsNumber() ? std::to_string(type.Number()) : type.Name()) + tag);
}

std::optional<std::span<const uint8_t>> LangResources::FindResource(const ResourceName& name,
                                                                    const ResourceName& type) const
{
    for (const uint16_t langId : languages_) {
        if (auto found = table_.Find(TaggedType(type, langId), name))
            return found;
        if (PrimaryLangId(langId) == kEnglish)
            break;
    }
    return table_.Find(type, name);
}

std::optional<std::string> LangResources::FindString(uint32_t id) const
{
    const auto bytes = FindResource(id, ResourceType::String);
    if (!bytes)
        return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

int LangResources::LoadString(uint32_t id, char* buffer, int size) const
{
    if (!buffer || size <= 0)
        return 0;
    const std::string text = String(id);
    size_t n = std::min(text.size(), size_t(size - 1));
    // Texts are UTF-8: back up to the start of a character that is cut.
    if (n < text.size())
        while (n > 0 && (uint8_t(text[n]) & 0xC0) == 0x80)
            --n;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return int(n);
}

DialogTexts ParseDialogTexts(std::span<const uint8_t> bytes)
{
    DialogTexts texts;
    const std::string all(bytes.begin(), bytes.end());
    size_t at = 0;
    while (at < all.size()) {
        size_t end = all.find('\n', at);
        if (end == std::string::npos)
            end = all.size();
        std::string line = all.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const size_t space = line.find(' ');
        char* stop = nullptr;
        const unsigned long id = std::strtoul(line.c_str(), &stop, 10);
        if (stop == line.c_str() || space == std::string::npos || stop != line.c_str() + space)
            continue; // not an id and a text: nothing a dialog can use
        texts[uint32_t(id)] = line.substr(space + 1);
    }
    return texts;
}

} // namespace platform
