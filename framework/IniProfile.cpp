#include "framework/IniProfile.h"

#include "base/QnExcept.h"

namespace fw {

int32_t IniProfile::GetInt(const std::string& section, const std::string& key, int32_t defaultValue)
{
    return ini_.GetInt(section, key, defaultValue);
}

std::string IniProfile::GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue)
{
    return ini_.GetString(section, key, defaultValue);
}

bool IniProfile::WriteInt(const std::string& section, const std::string& key, int32_t value)
{
    try {
        ini_.WriteInt(section, key, value);
        return true;
    } catch (const QnExcept&) {
        return false;
    }
}

bool IniProfile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    try {
        ini_.WriteString(section, key, value);
        return true;
    } catch (const QnExcept&) {
        return false;
    }
}

}  // namespace fw
