#include "platform/RegistryStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/RegistryDocument.h"
#include "platform/SettingsLocation.h"

#include "base/QnExcept.h"

namespace platform {

namespace {

RegistryDocument ReadForLookup(const std::string& path)
{
    try {
        return RegistryDocument::Parse(AtomicFile::ReadIfExists(path).value_or(""));
    } catch (const QnExcept&) {
        return {}; // an unreadable store answers like an empty one
    }
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
    RegistryDocument document = ReadForLookup(path_);
    const RegistryValue* value = document.Find(key, name);
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

bool RegistryStore::KeyExists(std::string_view key) const { return ReadForLookup(path_).HasKey(key); }

template <class Change>
void RegistryStore::Update(Change change)
{
    FileLock lock(path_);
    // Read under the lock, so that a value another program wrote since our
    // last look is kept; an unreadable file raises rather than being lost.
    RegistryDocument document = RegistryDocument::Parse(AtomicFile::ReadIfExists(path_).value_or(""));
    change(document);
    AtomicFile::Replace(path_, document.Text());
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
