#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/IniDocument.h"
#include "platform/LeadingInt.h"

#include "base/QnExcept.h"

namespace platform {

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::ReadText() const
{
    try {
        return AtomicFile::ReadAll(path_);
    } catch (const QnExcept&) {
        return {}; // a missing or unreadable file gives every default
    }
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view def) const
{
    std::optional<std::string> value = IniDocument::Parse(ReadText()).Get(section, key);
    return value ? *value : std::string(def);
}

int32_t IniFile::GetInt(std::string_view section, std::string_view key, int32_t def) const
{
    std::optional<std::string> value = IniDocument::Parse(ReadText()).Get(section, key);
    return value ? ParseLeadingInt(*value) : def;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    FileLock lock(path_);
    // Unlike a read, a write must not take an unreadable file for an empty
    // one: that would replace the user's settings with a single key.
    IniDocument document = IniDocument::Parse(AtomicFile::ReadIfExists(path_).value_or(""));
    document.Set(section, key, value);
    AtomicFile::Replace(path_, document.Text());
}

void IniFile::WriteInt(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

} // namespace platform
