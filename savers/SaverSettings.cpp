#include "savers/SaverSettings.h"

#include "platform/LeadingInt.h"

SaverSettings::SaverSettings(platform::RegistryStore store, std::string program)
    : store_(std::move(store)), program_(std::move(program)), key_(KeyOf(program_))
{
}

std::string SaverSettings::KeyOf(std::string_view program)
{
    return "Software\\Quendle Screen Savers\\" + std::string(program) + "\\FILE";
}

std::string SaverSettings::GetString(std::string_view name, std::string_view def) const
{
    return store_.GetString(key_, name).value_or(std::string(def));
}

int32_t SaverSettings::GetInt(std::string_view name, int32_t def) const
{
    const std::optional<std::string> text = store_.GetString(key_, name);
    return text ? platform::ParseLeadingInt(*text) : def;
}

void SaverSettings::WriteString(std::string_view name, std::string_view value) { store_.SetString(key_, name, value); }

void SaverSettings::WriteInt(std::string_view name, int32_t value) { WriteString(name, std::to_string(value)); }

void SaverSettings::RegisterAsScreenSaver(std::string_view programPath)
{
    store_.SetString(kBootKey, kScreenSaverValue, programPath);
}
