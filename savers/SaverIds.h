// Resource and control ids of the saver programs.
#pragma once

#include <cstdint>

enum : uint32_t {
    IDS_DESCRIPTION = 1,     // string: the saver's description
    IDS_ABOUTBOX = 101,      // string: "&About Saver..."
    IDD_ABOUTBOX = 100,
    IDD_SAVER = 102,
    IDM_ABOUTBOX = 0x0010,   // system command of the About item (16 to 31)

    IDC_PREVIEW = 1000,      // the placeholder the preview covers
    IDC_SIZE = 1001,         // size slider
    IDC_WHIRL = 1002,        // strength slider (whirl)
    IDC_USE_SCREEN = 1003,   // "Use &screen"
    IDC_LOAD_PICTURE = 1004, // "Load Picture..." (hidden)
    IDC_SIZE_LABEL = 1005,
    IDC_WHIRL_LABEL = 1006,
    IDC_EFFECT_GROUP = 1007,
};
