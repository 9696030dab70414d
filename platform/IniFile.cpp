#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/IniDocument.h"
#include "platform/LeadingInt.h"
#include "platform/ParsedFileCache.h"
#include "platform/SettingsFileRead.h"

namespace platform {

namespace {

// Shared by every IniFile of the process, so that a file read by several
// objects (or by one made afresh for each read) is parsed once.
ParsedFiles<IniDocument>& Parsed()
{
    static ParsedFiles<IniDocument> parsed;
    return parsed;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> IniFile::Lookup(std::string_view section, std::string_view key) const
{
    // A missing or unusable file gives every default.
    std::shared_ptr<const IniDocument> document = Parsed().Get(path_);
    return document ? document->Get(section, key) : std::nullopt;
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view def) const
{
    std::optional<std::string> value = Lookup(section, key);
    return value ? *value : std::string(def);
}

int32_t IniFile::GetInt(std::string_view section, std::string_view key, int32_t def) const
{
    std::optional<std::string> value = Lookup(section, key);
    return value ? ParseLeadingInt(*value) : def;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    FileLock lock(path_);
    // Read afresh under the lock, so that what another program wrote since is
    // kept. Unlike a read, a write must not take an unusable file for an
    // empty one: that would replace the user's settings with a single key.
    std::optional<SettingsFileContent> content = ReadSettingsFile(path_);
    IniDocument document = IniDocument::Parse(content ? std::move(content->text) : std::string());
    document.Set(section, key, value);
    AtomicFile::Replace(path_, document.Text());
    Parsed().Forget(path_);
}

void IniFile::WriteInt(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

} // namespace platform
