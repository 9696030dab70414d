// The INI reader on any text: the text comes back byte for byte, lookups by
// the names the text holds, then a write, after which the written value reads
// back and every other value reads as before.
#include "platform/IniDocument.h"
#include "platform/NoCase.h"

#include "base/QnExcept.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using platform::EqualsNoCase;
using platform::IniDocument;
using platform::TrimBlanks;

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Section and key names as the text spells them, a few of each.
std::pair<std::vector<std::string>, std::vector<std::string>> NamesIn(std::string_view text)
{
    std::vector<std::string> sections, keys;
    for (size_t at = 0; at < text.size() && sections.size() + keys.size() < 16;) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = TrimBlanks(text.substr(at, end - at));
        if (line.starts_with('[') && line.find(']') != std::string_view::npos)
            sections.emplace_back(line.substr(1, line.find(']') - 1));
        else if (line.find('=') != std::string_view::npos)
            keys.emplace_back(line.substr(0, line.find('=')));
        at = end + 1;
    }
    sections.emplace_back("S");
    keys.emplace_back("k");
    return {sections, keys};
}

bool SameName(std::string_view a, std::string_view b) { return EqualsNoCase(TrimBlanks(a), TrimBlanks(b)); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    IniDocument document = IniDocument::Parse(text);
    Check(document.Text() == text);

    const auto [sections, keys] = NamesIn(text);
    struct Lookup {
        std::string section, key;
        std::optional<std::string> value;
    };
    std::vector<Lookup> lookups;
    for (const std::string& section : sections)
        for (const std::string& key : keys)
            lookups.push_back({section, key, document.Get(section, key)});

    // The write: a name and a value of the text, the value's last bytes
    // (which hold whatever the file ends with) among them.
    const std::string& section = sections[size % sections.size()];
    const std::string& key = keys[(size / 7) % keys.size()];
    const std::string value = text.substr(text.size() - std::min<size_t>(text.size(), size % 13));
    try {
        document.Set(section, key, value);
    } catch (const QnExcept&) {
        Check(document.Text() == text); // a refused write changes nothing
        return 0;
    }
    const IniDocument written = IniDocument::Parse(document.Text());
    Check(written.Get(section, key) == value);
    for (const Lookup& lookup : lookups)
        if (!(SameName(lookup.section, section) && SameName(lookup.key, key)))
            Check(written.Get(lookup.section, lookup.key) == lookup.value);
    return 0;
}
