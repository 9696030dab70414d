#include "platform/LanguageId.h"

#include <cstdlib>

namespace platform {

namespace {

constexpr uint16_t kNeutral = 0x0000;

struct LanguageRow {
    const char* code; // ISO 639 language
    uint16_t primary; // the system's primary language id
};

// The languages of the desktops the suite's dialogs were made for.
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

uint16_t LangIdOfLocale(std::string_view locale)
{
    // "de_CH.UTF-8@euro": language, territory, then codeset and modifier.
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return kUsEnglishLangId;
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

uint16_t SystemDefaultLangId()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return LangIdOfLocale(value);
    }
    return kUsEnglishLangId;
}

} // namespace platform
