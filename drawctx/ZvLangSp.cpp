#include "drawctx/ZvLangSp.h"

#include "platform/IniFile.h"
#include "platform/ProgramLocation.h"

#include <cstdlib>
#include <optional>

namespace {

constexpr uint16_t kNotGiven = 0xFFFF;
constexpr uint16_t kUsEnglish = 0x0409;
constexpr uint16_t kNeutral = 0x0000;

uint16_t MakeLangId(uint16_t primary, uint16_t sub) { return uint16_t(primary | sub << 10); }

struct LanguageRow {
    const char* code;    // ISO 639 language
    uint16_t primary;    // the system's primary language id
};

// The languages of the desktops the library's dialogs were made for.
constexpr LanguageRow kLanguages[] = {
    {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06}, {"de", 0x07}, {"el", 0x08}, {"en", 0x09}, {"es", 0x0A},
    {"fi", 0x0B}, {"fr", 0x0C}, {"hu", 0x0E}, {"it", 0x10}, {"ja", 0x11}, {"ko", 0x12}, {"nl", 0x13},
    {"nb", 0x14}, {"no", 0x14}, {"pl", 0x15}, {"pt", 0x16}, {"ru", 0x19}, {"sv", 0x1D}, {"tr", 0x1F},
};

struct TerritoryRow {
    const char* locale; // language_TERRITORY
    uint16_t sub;       // the system's sublanguage id
};

// Territories whose sublanguage is not the default one (1).
constexpr TerritoryRow kTerritories[] = {
    {"zh_TW", 1}, {"zh_CN", 2}, {"zh_HK", 3}, {"zh_SG", 4}, {"de_CH", 2}, {"de_AT", 3}, {"de_LU", 4},
    {"en_GB", 2}, {"en_AU", 3}, {"en_CA", 4}, {"en_NZ", 5}, {"en_IE", 6}, {"es_MX", 2}, {"es_ES", 3},
    {"fr_BE", 2}, {"fr_CA", 3}, {"fr_CH", 4}, {"fr_LU", 5}, {"it_CH", 2}, {"nl_BE", 2},
    {"pt_BR", 1}, {"pt_PT", 2}, {"sv_FI", 2},
};

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
    return MakeLangId(language == kNotGiven ? 0 : language, sublanguage == kNotGiven ? 0 : sublanguage);
}

uint16_t ZvLangIdOfLocale(std::string_view locale)
{
    // "de_CH.UTF-8@euro": language, territory, then codeset and modifier.
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return kUsEnglish;
    const std::string_view language = locale.substr(0, locale.find('_'));
    for (const TerritoryRow& t : kTerritories) {
        if (locale != t.locale)
            continue;
        for (const LanguageRow& l : kLanguages)
            if (language == l.code)
                return MakeLangId(l.primary, t.sub);
    }
    for (const LanguageRow& l : kLanguages)
        if (language == l.code)
            return MakeLangId(l.primary, 1);
    return kNeutral;
}

uint16_t ZvSystemDefaultLangId()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return ZvLangIdOfLocale(value);
    }
    return kUsEnglish;
}

uint16_t GetForcedLangId()
{
    // Once for the life of the process, as the library always did.
    static const uint16_t id =
        ZvReadForcedLangId(ZvLangSpPath(platform::ProgramLocation::ProgramPath()), ZvSystemDefaultLangId());
    return id;
}
