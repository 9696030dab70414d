// Control, picture and context-help ids of the dialog bars' buttons, as the
// program's menus, strings and help pages know them.
#pragma once

#include <cstdint>

enum : uint32_t {
    IDC_BAR_HOME = 1018,
    IDC_BAR_CANCEL = 1020,
    IDC_BAR_OK = 1023,
    IDC_BAR_TASK_FIRST = 1026,
    IDC_BAR_TASK_LAST = 1043,
    IDC_BAR_PREVIOUS = 1044,
    IDC_BAR_NEXT = 1045,
    IDC_BAR_HELP = 1046,
    IDC_BAR_UNDO = 1074,
    IDC_BAR_REDO = 1088,
    IDC_BAR_FOREGROUND = 1089,
    IDC_BAR_BACKGROUND = 1090,
    IDC_BAR_COMMENT = 0xFFFF,
};

// The most task buttons a bar has ids for.
inline constexpr int32_t kBarTaskButtonCount = IDC_BAR_TASK_LAST - IDC_BAR_TASK_FIRST + 1;

// Pictures of the fixed buttons (the program's bitmaps).
enum : uint32_t {
    IDB_BAR_UNDO = 132,
    IDB_BAR_REDO = 133,
    IDB_BAR_NEXT = 136,
    IDB_BAR_PREVIOUS = 137,
    IDB_BAR_CANCEL = 140,
    IDB_BAR_OK = 141,
    IDB_BAR_HOME = 142,
    IDB_BAR_HELP = 143,
    // Played when a bar slides its contents.
    IDW_BAR_SLIDE = 144,
};

// Context-help ids of the fixed controls and of the two bars.
enum : uint32_t {
    IDH_BAR_CANCEL = 122,
    IDH_BAR_OK = 123,
    IDH_BAR_UNDO = 124,
    IDH_BAR_REDO = 125,
    IDH_BAR_PREVIOUS = 126,
    IDH_BAR_NEXT = 127,
    IDH_BAR_HELP = 128,
    IDH_BAR_FOREGROUND = 129,
    IDH_BAR_BACKGROUND = 130,
    IDH_BAR_COMMENT = 131,
    IDH_TASK_BAR = 132,
    IDH_TOOL_BAR = 133,
};

// Modes of the picture view that opening a tool sets (the application's
// view mode).
enum LdViewMode : int {
    LD_MODE_NONE = 0,
    LD_MODE_TEXT = 1,
    LD_MODE_PAINT = 2,
    LD_MODE_CLONE = 3,
    LD_MODE_SELECT = 4,
    LD_MODE_FILL = 5,
};
