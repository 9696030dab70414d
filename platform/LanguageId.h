// Language ids as the system numbers them: the primary language in the low
// 10 bits, the sublanguage (territory) above it.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

constexpr uint16_t kUsEnglishLangId = 0x0409;

constexpr uint16_t MakeLangId(uint16_t primary, uint16_t sub) { return uint16_t(primary | sub << 10); }
constexpr uint16_t PrimaryLangId(uint16_t langId) { return uint16_t(langId & 0x3FF); }

// The language id of a locale name such as "de_CH.UTF-8": the language and
// its territory as the system numbers them. "C", "POSIX" and an empty name
// are US English; a language the table lacks is the neutral language (0).
uint16_t LangIdOfLocale(std::string_view locale);

// The system default language: the locale that LC_ALL, LC_MESSAGES or LANG
// names, in that order; US English when none is set.
uint16_t SystemDefaultLangId();

} // namespace platform
