// The settings of one saver program in the registry store, where the
// screen-saver wizard also writes them: key "Software\Quendle Screen
// Savers\<PROGRAM>\FILE", every value a string, numbers written with "%i" and
// read as the C library's decimal conversion reads them.
#pragma once

#include "platform/RegistryStore.h"

#include <cstdint>
#include <string>
#include <string_view>

// Value names.
inline constexpr const char* kSaverPath = "Path";
inline constexpr const char* kSaverName = "Name";
inline constexpr const char* kSaverSize = "Size";
inline constexpr const char* kSaverWhirl = "Whirl";
inline constexpr const char* kSaverScreen = "Screen";

class SaverSettings {
public:
    // program: "WHIRL" or "ZOOM" (the store compares key names without case).
    SaverSettings(platform::RegistryStore store, std::string program);

    static std::string KeyOf(std::string_view program);
    const std::string& Key() const { return key_; }
    const std::string& Program() const { return program_; }
    const platform::RegistryStore& Store() const { return store_; }

    // def when the value is absent or not a string.
    std::string GetString(std::string_view name, std::string_view def) const;
    // The leading decimal number of the string (0 when it has none).
    int32_t GetInt(std::string_view name, int32_t def) const;

    // Failure raises QnExcept; the store is then unchanged.
    void WriteString(std::string_view name, std::string_view value);
    void WriteInt(std::string_view name, int32_t value);

    // What the system's "system.ini" entry [boot] SCRNSAVE.EXE records: the
    // program chosen as the screen saver, kept in the same store under the
    // key "system.ini\boot".
    static constexpr const char* kBootKey = "system.ini\\boot";
    static constexpr const char* kScreenSaverValue = "SCRNSAVE.EXE";
    void RegisterAsScreenSaver(std::string_view programPath);

private:
    platform::RegistryStore store_;
    std::string program_;
    std::string key_;
};
