#include "drawctx/ZvLangSp.h"

#include "platform/IniFile.h"
#include "platform/LanguageId.h"
#include "platform/ProgramLocation.h"

namespace {

constexpr uint16_t kNotGiven = 0xFFFF;

} // namespace

std::string ZvLangSpPath(std::string_view exePath)
{
    const size_t slash = exePath.find_last_of("\\/");
    std::string path = slash == std::string_view::npos ? std::string() : std::string(exePath.substr(0, slash + 1));
    return path + "ZVLANGSP.INI";
}

uint16_t ZvReadForcedLangId(const std::string& iniPath, uint16_t systemDefault)
{
    const platform::IniFile ini(iniPath);
    // Read as the system reads an unsigned profile value, kept to 16 bits.
    const auto language = uint16_t(ini.GetInt("FORCELANGUAGE", "LANGUAGE", kNotGiven));
    const auto sublanguage = uint16_t(ini.GetInt("FORCELANGUAGE", "SUBLANGUAGE", kNotGiven));
    if (language == kNotGiven && sublanguage == kNotGiven)
        return systemDefault;
    return platform::MakeLangId(language == kNotGiven ? 0 : language, sublanguage == kNotGiven ? 0 : sublanguage);
}

uint16_t GetForcedLangId()
{
    // Once for the life of the process, as the library always did.
    static const uint16_t id =
        ZvReadForcedLangId(ZvLangSpPath(platform::ProgramLocation::ProgramPath()), platform::SystemDefaultLangId());
    return id;
}
