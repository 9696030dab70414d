// Where the application's profile settings live: the program's INI file, or
// memory when none was named. Section and key names are compared without case.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace fw {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) = 0;
    // False when the setting could not be stored.
    virtual bool WriteInt(const std::string& section, const std::string& key, int32_t value) = 0;
    virtual bool WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// Settings kept in memory for the life of the process.
class MemoryProfile : public ProfileStore {
public:
    int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    bool WriteInt(const std::string& section, const std::string& key, int32_t value) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;

private:
    static std::string KeyOf(const std::string& section, const std::string& key);
    std::map<std::string, std::string> values_;
};

}  // namespace fw
