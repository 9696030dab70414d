// Command, dialog and control ids of the album program's own windows.
#pragma once

#include <cstdint>

inline constexpr uint32_t ID_OPTIONS_TMPFOLDER = 32800;  // Options > "&Temporary Folder..."
inline constexpr uint32_t ID_WEB_SITE = 32885;           // "Quendle Software Web site"

inline constexpr uint32_t IDD_FILE_SAVE_OPTIONS = 141;
inline constexpr uint32_t IDC_BROWSE = 1030;
inline constexpr uint32_t IDC_FOLDER = 1031;
inline constexpr uint32_t IDC_FORMAT = 1032;

inline constexpr uint32_t IDD_ABOUTBOX = 145;
inline constexpr uint32_t IDC_MEMORY = 1080;
inline constexpr uint32_t IDC_DISK = 1081;

inline constexpr uint32_t ID_TOOLBAR = 59392;         // the frame's toolbar (and its show/hide command)
inline constexpr uint32_t ID_ADD_ITEMS = 32771;       // "&Add New Items..."
inline constexpr uint32_t ID_DELETE_ITEM = 32772;     // "&Delete"
inline constexpr uint32_t ID_SLIDE_SHOW = 32777;      // "&Slide Show..."
inline constexpr uint32_t ID_VIEW_PICTURE = 32778;    // "&View Picture"
inline constexpr uint32_t ID_ALBUM_UNDO = 32781;      // "&Undo"
inline constexpr uint32_t ID_ALBUM_CUT = 32782;       // "Cu&t"
inline constexpr uint32_t ID_ALBUM_PASTE = 32783;     // "&Paste"
inline constexpr uint32_t ID_ALBUM_COPY = 32784;      // "&Copy"
inline constexpr uint32_t ID_VIEW_FOUND = 32790;      // "View Only &Found"
inline constexpr uint32_t ID_SEARCH = 32793;          // "&Search..."
inline constexpr uint32_t ID_ACQUIRE = 32821;         // "Ac&quire Picture..."
inline constexpr uint32_t ID_SELECT_SOURCE = 32822;   // "S&elect TWAIN Source..."
inline constexpr uint32_t ID_THRU_MEMORY = 32823;     // "Thru-&memory"
inline constexpr uint32_t ID_NATIVE = 32824;          // "&Native"

inline constexpr uint32_t IDD_PICTURE_INFO = 131;
inline constexpr uint32_t IDD_SLIDE_SHOW = 132;
inline constexpr uint32_t IDC_SLIDE_DELAY = 1003;
inline constexpr uint32_t IDC_SLIDE_DELAY_SPIN = 1004;
inline constexpr uint32_t IDD_ALBUM_INFO = 133;
inline constexpr uint32_t IDD_SEARCH = 135;
inline constexpr uint32_t IDD_ALBUM_ERROR = 139;
inline constexpr uint32_t IDD_CHANGED_FILE = 177;
inline constexpr uint32_t IDC_QUESTION_TEXT = 1018;
inline constexpr uint32_t IDC_IGNORE = 1019;  // closes the "Album error" dialog with 5
inline constexpr uint32_t IDC_YES_TO_ALL = 1103;
