// The framework's standard command, bar and string ids, with the numbers the
// system's menus, bars and messages use (File > New is 57600).
#pragma once

#include <cstdint>

namespace fw {

inline constexpr uint32_t ID_FILE_NEW = 57600;
inline constexpr uint32_t ID_FILE_OPEN = 57601;
inline constexpr uint32_t ID_FILE_CLOSE = 57602;
inline constexpr uint32_t ID_FILE_SAVE = 57603;
inline constexpr uint32_t ID_FILE_SAVE_AS = 57604;
inline constexpr uint32_t ID_FILE_PAGE_SETUP = 57605;
inline constexpr uint32_t ID_FILE_PRINT_SETUP = 57606;
inline constexpr uint32_t ID_FILE_PRINT = 57607;
inline constexpr uint32_t ID_FILE_PRINT_DIRECT = 57608;
inline constexpr uint32_t ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr uint32_t ID_FILE_SEND_MAIL = 57612;
inline constexpr uint32_t ID_FILE_MRU_FILE1 = 57616;
inline constexpr uint32_t ID_FILE_MRU_LAST = 57631;

inline constexpr uint32_t ID_EDIT_CLEAR = 57632;
inline constexpr uint32_t ID_EDIT_COPY = 57634;
inline constexpr uint32_t ID_EDIT_CUT = 57635;
inline constexpr uint32_t ID_EDIT_PASTE = 57637;
inline constexpr uint32_t ID_EDIT_SELECT_ALL = 57642;
inline constexpr uint32_t ID_EDIT_UNDO = 57643;
inline constexpr uint32_t ID_EDIT_REDO = 57644;

inline constexpr uint32_t ID_WINDOW_NEW = 57648;
inline constexpr uint32_t ID_WINDOW_ARRANGE = 57649;
inline constexpr uint32_t ID_WINDOW_CASCADE = 57650;
inline constexpr uint32_t ID_WINDOW_TILE_HORZ = 57651;
inline constexpr uint32_t ID_WINDOW_TILE_VERT = 57652;

inline constexpr uint32_t ID_APP_ABOUT = 57664;
inline constexpr uint32_t ID_APP_EXIT = 57665;
inline constexpr uint32_t ID_HELP_INDEX = 57666;
inline constexpr uint32_t ID_HELP_FINDER = 57667;
inline constexpr uint32_t ID_HELP_USING = 57668;
inline constexpr uint32_t ID_CONTEXT_HELP = 57669;
inline constexpr uint32_t ID_HELP = 57670;
inline constexpr uint32_t ID_DEFAULT_HELP = 57671;

// Control bars: their ids are also the commands that show and hide them.
inline constexpr uint32_t ID_VIEW_TOOLBAR = 59392;
inline constexpr uint32_t ID_VIEW_STATUS_BAR = 59393;
inline constexpr uint32_t ID_CONTROLBAR_FIRST = 59392;
inline constexpr uint32_t ID_CONTROLBAR_LAST = 59647;
inline constexpr uint32_t ID_SEPARATOR = 0;

// Strings of the program's table the framework asks for.
inline constexpr int IDS_APP_TITLE = 57344;
inline constexpr int IDS_IDLEMESSAGE = 57345;

}  // namespace fw
