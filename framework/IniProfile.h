// The application's profile kept in an INI file with the private-profile
// rules (the program's settings file in the user's config folder).
#pragma once

#include <string>

#include "framework/ProfileStore.h"
#include "platform/IniFile.h"

namespace fw {

class IniProfile : public ProfileStore {
public:
    explicit IniProfile(std::string path) : ini_(std::move(path)) {}

    const std::string& Path() const { return ini_.Path(); }
    int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    // False when the file could not be written (it is then unchanged).
    bool WriteInt(const std::string& section, const std::string& key, int32_t value) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;

private:
    platform::IniFile ini_;
};

}  // namespace fw
