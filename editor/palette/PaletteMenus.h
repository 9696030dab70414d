// The palette's context menus: the popup over empty space (0) or over a tool
// (1) of the palette menu, with the entries each tab and tool allow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/MenuTemplate.h"

struct LdPaletteMenuEntry {
    uint32_t id = 0;  // 0: a separator
    std::string text;
    bool enabled = true;
};

struct LdPaletteMenuState {
    bool onTool = false;
    // Tools are added and deleted on the last tab only.
    bool lastPane = false;
    bool hasDocument = false;
    bool canCustomize = false;
    // A tool this program cannot run offers neither Apply nor Customize.
    bool canApply = true;
};

std::vector<LdPaletteMenuEntry> LdPaletteMenu(const fw::MenuTemplate& menu, const LdPaletteMenuState& state);
