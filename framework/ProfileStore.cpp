#include "framework/ProfileStore.h"

#include <cctype>
#include <cstdlib>

namespace fw {

std::string MemoryProfile::KeyOf(const std::string& section, const std::string& key)
{
    std::string k = section + '\n' + key;
    for (char& c : k)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

int32_t MemoryProfile::GetInt(const std::string& section, const std::string& key, int32_t defaultValue)
{
    auto it = values_.find(KeyOf(section, key));
    if (it == values_.end())
        return defaultValue;
    return static_cast<int32_t>(std::strtol(it->second.c_str(), nullptr, 10));
}

std::string MemoryProfile::GetString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue)
{
    auto it = values_.find(KeyOf(section, key));
    return it == values_.end() ? defaultValue : it->second;
}

bool MemoryProfile::WriteInt(const std::string& section, const std::string& key, int32_t value)
{
    values_[KeyOf(section, key)] = std::to_string(value);
    return true;
}

bool MemoryProfile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    values_[KeyOf(section, key)] = value;
    return true;
}

}  // namespace fw
