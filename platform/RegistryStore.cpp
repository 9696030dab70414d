#include "platform/RegistryStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/ParsedFileCache.h"
#include "platform/RegistryDocument.h"
#include "platform/SettingsFileRead.h"
#include "platform/SettingsLocation.h"

namespace platform {

namespace {

// Shared by every RegistryStore of the process: the stores are values, made
// afresh by each user, and all of them read the same file.
ParsedFiles<RegistryDocument>& Parsed()
{
    static ParsedFiles<RegistryDocument> parsed;
    return parsed;
}

template <class T>
std::optional<T> GetAs(std::optional<RegistryValue> value)
{
    if (value && std::holds_alternative<T>(*value))
        return std::get<T>(std::move(*value));
    return std::nullopt;
}

} // namespace

RegistryStore::RegistryStore(std::string path) : path_(std::move(path)) {}

RegistryStore RegistryStore::User() { return RegistryStore(SettingsLocation::ConfigFolder("Quendle") + "registry"); }

std::optional<RegistryValue> RegistryStore::Get(std::string_view key, std::string_view name) const
{
    // A missing or unusable file answers like an empty one.
    std::shared_ptr<const RegistryDocument> document = Parsed().Get(path_);
    const RegistryValue* value = document ? document->Find(key, name) : nullptr;
    return value ? std::optional<RegistryValue>(*value) : std::nullopt;
}

std::optional<std::string> RegistryStore::GetString(std::string_view key, std::string_view name) const
{
    return GetAs<std::string>(Get(key, name));
}

std::optional<uint32_t> RegistryStore::GetNumber(std::string_view key, std::string_view name) const
{
    return GetAs<uint32_t>(Get(key, name));
}

std::optional<std::vector<uint8_t>> RegistryStore::GetBinary(std::string_view key, std::string_view name) const
{
    return GetAs<std::vector<uint8_t>>(Get(key, name));
}

bool RegistryStore::KeyExists(std::string_view key) const
{
    std::shared_ptr<const RegistryDocument> document = Parsed().Get(path_);
    return document && document->HasKey(key);
}

template <class Change>
void RegistryStore::Update(Change change)
{
    FileLock lock(path_);
    // Read under the lock, so that a value another program wrote since our
    // last look is kept; an unusable file raises rather than being lost.
    std::optional<SettingsFileContent> content = ReadSettingsFile(path_);
    RegistryDocument document = RegistryDocument::Parse(content ? content->text : std::string_view());
    change(document);
    AtomicFile::Replace(path_, document.Text());
    Parsed().Forget(path_);
}

void RegistryStore::Set(std::string_view key, std::string_view name, RegistryValue value)
{
    Update([&](RegistryDocument& document) { document.Set(key, name, std::move(value)); });
}

void RegistryStore::SetString(std::string_view key, std::string_view name, std::string_view value)
{
    Set(key, name, std::string(value));
}

void RegistryStore::SetNumber(std::string_view key, std::string_view name, uint32_t value) { Set(key, name, value); }

void RegistryStore::SetBinary(std::string_view key, std::string_view name, std::vector<uint8_t> value)
{
    Set(key, name, std::move(value));
}

void RegistryStore::CreateKey(std::string_view key)
{
    Update([&](RegistryDocument& document) { document.CreateKey(key); });
}

} // namespace platform
