#include "platform/RegistryDocument.h"

#include "platform/NoCase.h"
#include "platform/SystemError.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

constexpr std::string_view kHeader = "QNREG 1";

std::string Escape(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", byte);
                out += hex;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a quoted, escaped string at the start of text; advances text past
// it. None when it does not parse.
std::optional<std::string> Unescape(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x': {
            if (i + 2 >= text.size() || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0)
                return std::nullopt;
            out += char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<RegistryValue> ParseValue(std::string_view text)
{
    if (text.substr(0, 3) == "sz:") {
        text.remove_prefix(3);
        std::optional<std::string> value = Unescape(text);
        if (!value || !text.empty())
            return std::nullopt;
        return RegistryValue(std::move(*value));
    }
    if (text.substr(0, 6) == "dword:") {
        std::string digits(text.substr(6));
        char* end = nullptr;
        const unsigned long long value = std::strtoull(digits.c_str(), &end, 10);
        if (digits.empty() || *end != '\0' || digits[0] == '-' || value > 0xFFFFFFFFull)
            return std::nullopt;
        return RegistryValue(uint32_t(value));
    }
    if (text.substr(0, 4) == "hex:") {
        text.remove_prefix(4);
        if (text.size() % 2 != 0)
            return std::nullopt;
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < text.size(); i += 2) {
            const int high = HexValue(text[i]), low = HexValue(text[i + 1]);
            if (high < 0 || low < 0)
                return std::nullopt;
            bytes.push_back(uint8_t(high * 16 + low));
        }
        return RegistryValue(std::move(bytes));
    }
    return std::nullopt;
}

std::string ValueText(const RegistryValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return "sz:" + Escape(*text);
    if (const auto* number = std::get_if<uint32_t>(&value))
        return "dword:" + std::to_string(*number);
    std::string out = "hex:";
    char hex[3];
    for (uint8_t byte : std::get<std::vector<uint8_t>>(value)) {
        std::snprintf(hex, sizeof hex, "%02x", byte);
        out += hex;
    }
    return out;
}

bool HasControlCharacter(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

// The value index's key of a value: no key path holds a control character.
std::string ValueIndexKey(std::string_view path, std::string_view name)
{
    std::string key = FoldedCase(path);
    key += '\x01';
    key += FoldedCase(name);
    return key;
}

} // namespace

std::string RegistryDocument::NormalizeKey(std::string_view key)
{
    std::string out;
    size_t at = 0;
    while (at <= key.size()) {
        size_t end = key.find('\\', at);
        if (end == std::string_view::npos)
            end = key.size();
        if (end > at) {
            if (!out.empty())
                out += '\\';
            out += key.substr(at, end - at);
        }
        at = end + 1;
    }
    return out;
}

RegistryDocument RegistryDocument::Parse(std::string_view text)
{
    RegistryDocument document;
    if (text.empty())
        return document;
    // Room for every line that may be a key or a value, so that the indexes
    // are not built over again as they grow.
    size_t headers = 0, values = 0;
    for (size_t at = 0; at < text.size();) {
        headers += text[at] == '[';
        values += text[at] == '"';
        const size_t end = text.find('\n', at);
        at = end == std::string_view::npos ? text.size() : end + 1;
    }
    document.keyIndex_.reserve(headers);
    document.valueIndex_.reserve(values);
    const size_t firstEnd = text.find('\n');
    std::string_view first = text.substr(0, firstEnd);
    if (!first.empty() && first.back() == '\r')
        first.remove_suffix(1);
    if (first != kHeader)
        RaiseError("The registry file is not in the form this program writes (\"" + std::string(kHeader) + "\")",
                   "RegistryDocument", __LINE__);

    constexpr size_t kNoKey = SIZE_MAX; // before the first header, or after a bad one
    size_t current = kNoKey;
    size_t at = firstEnd == std::string_view::npos ? text.size() : firstEnd + 1;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string path = NormalizeKey(line.substr(1, line.size() - 2));
            current = kNoKey;
            if (path.empty() || HasControlCharacter(path))
                continue;
            current = document.KeyOf(path);
            continue;
        }
        std::string_view rest = line;
        std::optional<std::string> name = Unescape(rest);
        if (current == kNoKey || !name || rest.empty() || rest.front() != '=')
            continue; // not a value line of a key: dropped
        rest.remove_prefix(1);
        if (std::optional<RegistryValue> value = ParseValue(rest)) {
            // The first of two values of the same name wins, as a lookup would find it.
            auto& values = document.keys_[current].values;
            if (document.ValueSlot(current, *name, values.size()).second)
                values.emplace_back(std::move(*name), std::move(*value));
        }
    }
    return document;
}

std::string RegistryDocument::Text() const
{
    std::string text = std::string(kHeader) + "\n";
    for (const Key& key : keys_) {
        text += "\n[" + key.path + "]\n";
        for (const auto& [name, value] : key.values)
            text += Escape(name) + "=" + ValueText(value) + "\n";
    }
    return text;
}

std::optional<size_t> RegistryDocument::FindKey(std::string_view normalized) const
{
    const auto found = keyIndex_.find(FoldedCase(normalized));
    return found == keyIndex_.end() ? std::nullopt : std::optional<size_t>(found->second);
}

size_t RegistryDocument::KeyOf(const std::string& normalized)
{
    const auto [found, added] = keyIndex_.try_emplace(FoldedCase(normalized), keys_.size());
    if (added)
        keys_.push_back({normalized, {}});
    return found->second;
}

std::pair<size_t, bool> RegistryDocument::ValueSlot(size_t key, std::string_view name, size_t next)
{
    const auto [found, added] = valueIndex_.try_emplace(ValueIndexKey(keys_[key].path, name), next);
    return {found->second, added};
}

const RegistryValue* RegistryDocument::FindValue(size_t key, std::string_view name) const
{
    const auto found = valueIndex_.find(ValueIndexKey(keys_[key].path, name));
    return found == valueIndex_.end() ? nullptr : &keys_[key].values[found->second].second;
}

const RegistryValue* RegistryDocument::Find(std::string_view key, std::string_view name) const
{
    const std::optional<size_t> found = FindKey(NormalizeKey(key));
    return found ? FindValue(*found, name) : nullptr;
}

bool RegistryDocument::HasKey(std::string_view key) const
{
    const std::string path = NormalizeKey(key);
    if (FindKey(path))
        return true;
    for (const Key& stored : keys_) {
        if (stored.path.size() > path.size() && stored.path[path.size()] == '\\' &&
            EqualsNoCase(std::string_view(stored.path).substr(0, path.size()), path))
            return true;
    }
    return false;
}

void RegistryDocument::CreateKey(std::string_view key)
{
    const std::string path = NormalizeKey(key);
    if (path.empty() || HasControlCharacter(path))
        RaiseError("Invalid registry key name \"" + std::string(key) + "\"", "RegistryDocument", __LINE__);
    KeyOf(path);
}

void RegistryDocument::Set(std::string_view key, std::string_view name, RegistryValue value)
{
    CreateKey(key);
    const size_t found = *FindKey(NormalizeKey(key));
    auto& values = keys_[found].values;
    const auto [slot, added] = ValueSlot(found, name, values.size());
    if (added)
        values.emplace_back(std::string(name), std::move(value));
    else
        values[slot].second = std::move(value);
}

} // namespace platform
