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

inline constexpr uint32_t IDB_TOOLBAR = 153;         // the toolbar's strip of button pictures
inline constexpr uint32_t ID_TOOLBAR = 59392;         // the frame's toolbar (and its show/hide command)
inline constexpr uint32_t ID_ADD_ITEMS = 32771;       // "&Add New Items..."
inline constexpr uint32_t ID_DELETE_ITEM = 32772;     // "&Delete"
inline constexpr uint32_t ID_ITEM_INFO = 32774;       // "&Info..."
inline constexpr uint32_t ID_OPEN_TO_EDIT = 32775;    // "&Open Picture to Edit"
inline constexpr uint32_t ID_SLIDE_OPTIONS = 32776;   // Options > "Slide &Show..."
inline constexpr uint32_t ID_SLIDE_SHOW = 32777;      // "&Slide Show..."
inline constexpr uint32_t ID_VIEW_PICTURE = 32778;    // "&View Picture"
inline constexpr uint32_t ID_ALBUM_UNDO = 32781;      // "&Undo"
inline constexpr uint32_t ID_ALBUM_CUT = 32782;       // "Cu&t"
inline constexpr uint32_t ID_ALBUM_PASTE = 32783;     // "&Paste"
inline constexpr uint32_t ID_ALBUM_COPY = 32784;      // "&Copy"
inline constexpr uint32_t ID_ALBUM_INFO = 32786;      // "&Album Info..."
inline constexpr uint32_t ID_GO_TO_SELECTED = 32787;  // "&Go to Selected"
inline constexpr uint32_t ID_VIEW_FOUND = 32790;      // "View Only &Found"
inline constexpr uint32_t ID_SEARCH = 32793;          // "&Search..."
inline constexpr uint32_t ID_SORT_FILENAME = 32794;   // "By &filename"
inline constexpr uint32_t ID_SORT_ALIAS = 32795;      // "By &alias"
inline constexpr uint32_t ID_SORT_CREATION = 32796;   // "By date of &creation"
inline constexpr uint32_t ID_SORT_MODIFICATION = 32797;  // "By date of last &modification"
inline constexpr uint32_t ID_UPDATE_THUMBNAIL = 32798;   // "&Update Thumbnail"
inline constexpr uint32_t ID_SAVE_PICTURE_AS = 32799;    // "Save &Picture As..."
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

// Picture Information (131) and Album Information (133).
inline constexpr uint32_t IDC_INFO_PATH = 1000;
inline constexpr uint32_t IDC_INFO_ALIAS = 1001;
inline constexpr uint32_t IDC_INFO_COMMENTS = 1002;
inline constexpr uint32_t IDC_INFO_GROUP = 1003;
inline constexpr uint32_t IDC_INFO_SUBGROUP = 1004;
inline constexpr uint32_t IDC_INFO_CREATED = 1005;
inline constexpr uint32_t IDC_INFO_MODIFIED = 1006;
inline constexpr uint32_t IDC_INFO_COUNT = 1007;
inline constexpr uint32_t IDC_FILE_INFO = 1008;
inline constexpr uint32_t IDC_GROUP_LABEL = 1024;
inline constexpr uint32_t IDC_SUBGROUP_LABEL = 1025;
inline constexpr uint32_t IDC_ALIAS_LABEL = 1026;

// Search (135).
inline constexpr uint32_t IDC_FIND_ALIAS = 1001;
inline constexpr uint32_t IDC_FIND_FILE = 1002;
inline constexpr uint32_t IDC_FIND_GROUP = 1003;
inline constexpr uint32_t IDC_FIND_SUBGROUP = 1004;
inline constexpr uint32_t IDC_FIND_BY_NUMBER = 1010;
inline constexpr uint32_t IDC_FIND_NUMBER_FROM = 1011;
inline constexpr uint32_t IDC_FIND_NUMBER_TO = 1012;
inline constexpr uint32_t IDC_FIND_BY_CREATION = 1013;
inline constexpr uint32_t IDC_FIND_NUMBER_FROM_SPIN = 1014;
inline constexpr uint32_t IDC_FIND_NUMBER_TO_SPIN = 1015;
inline constexpr uint32_t IDC_FIND_CREATED_FROM = 1016;
inline constexpr uint32_t IDC_FIND_CREATED_TO = 1018;
inline constexpr uint32_t IDC_FIND_BY_MODIFICATION = 1020;
inline constexpr uint32_t IDC_FIND_MODIFIED_FROM = 1021;
inline constexpr uint32_t IDC_FIND_MODIFIED_TO = 1022;

// The view's context menus.
inline constexpr uint32_t IDR_RECORD_MENU = 154;
inline constexpr uint32_t IDR_ALBUM_MENU = 134;
