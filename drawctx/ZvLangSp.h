// The language the library looks its own resources up in: the one a
// "ZVLANGSP.INI" beside the running program forces, else the system's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Read once per process; later changes of the file go unseen.
uint16_t GetForcedLangId();

// The settings file beside the program at exePath: everything up to and
// including the last '\' or '/', then "ZVLANGSP.INI".
std::string ZvLangSpPath(std::string_view exePath);

// The language id the settings file at iniPath gives: section
// "FORCELANGUAGE", keys "LANGUAGE" and "SUBLANGUAGE" (0xFFFF for a key not
// given). With neither key the answer is systemDefault; else
// LANGUAGE | SUBLANGUAGE << 10 in 16 bits, a missing key counting 0.
uint16_t ZvReadForcedLangId(const std::string& iniPath, uint16_t systemDefault);
