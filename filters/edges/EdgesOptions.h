// What the "Edge style" dialog keeps in the module's settings, section
// "OPTIONS": the tab, the selected item within it, the first gallery row
// shown and the shadow option.
#pragma once

#include "platform/IniFile.h"

#include <cstdint>

struct EdgesOptions {
    int32_t page = 0;     // "PAGE"
    int32_t cursel = 0;   // "CURSEL"
    int32_t firstRow = 0; // "FIRSTROW"
    int32_t shadow = 0;   // "SHADOW"

    static EdgesOptions Read(const platform::IniFile& ini);
    // Raises QnExcept when the file cannot be written.
    void Write(platform::IniFile& ini) const;
};
