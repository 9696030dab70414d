// The registry store's file form on any text: lookups by the names the text
// holds, then a value set; the text written then reads back to the same
// values and is written again unchanged.
#include "platform/RegistryDocument.h"

#include "base/QnExcept.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using platform::RegistryDocument;
using platform::RegistryValue;

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::optional<RegistryValue> ValueOf(const RegistryDocument& document, const std::string& key, const std::string& name)
{
    const RegistryValue* value = document.Find(key, name);
    return value ? std::optional<RegistryValue>(*value) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    RegistryDocument document;
    try {
        document = RegistryDocument::Parse(text);
    } catch (const QnExcept&) {
        return 0; // not this program's form
    }

    // Key paths and value names as the text spells them, a few of each.
    std::vector<std::string> keys{"Software\\A"}, names{"v"};
    for (size_t at = 0; at < text.size() && keys.size() + names.size() < 16;) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(at, end - at);
        if (line.size() >= 2 && line.front() == '[')
            keys.push_back(line.substr(1, line.size() - 2));
        else if (line.size() >= 2 && line.front() == '"')
            names.push_back(line.substr(1, line.find('"', 1) - 1));
        at = end + 1;
    }
    for (const std::string& key : keys) {
        document.HasKey(key);
        for (const std::string& name : names)
            ValueOf(document, key, name);
    }

    const std::string& key = keys[size % keys.size()];
    const std::string& name = names[(size / 5) % names.size()];
    const RegistryValue value = size % 3 == 0   ? RegistryValue(uint32_t(size * 2654435761u))
                                : size % 3 == 1 ? RegistryValue(text.substr(size / 2))
                                                : RegistryValue(std::vector<uint8_t>(data, data + size / 3));
    bool set = true;
    try {
        document.Set(key, name, value);
    } catch (const QnExcept&) {
        set = false; // a key name the file cannot hold
    }
    const std::string written = document.Text();
    const RegistryDocument again = RegistryDocument::Parse(written);
    Check(again.Text() == written);
    Check(!set || ValueOf(again, key, name) == value);
    for (const std::string& k : keys)
        for (const std::string& n : names)
            Check(ValueOf(again, k, n) == ValueOf(document, k, n));
    return 0;
}
