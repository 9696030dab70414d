// The editor's message texts that its frame widgets and small dialogs show,
// by the ids of the program's string table. They are compiled into the
// editor, so a dialog never comes up with a blank label.
#pragma once

#include "base/QnRcStr.h"

#include <cstdint>
#include <string>

enum LdUiStrId : int {
    IDS_MEMORY_KB = 103,        // "%lu KB"
    IDS_DISK_FREE = 104,        // "%lu KB Free on %s"
    IDS_UNAVAILABLE = 105,
    IDS_TAB_FRAME = 133,        // the pages of the frame and mat dialog
    IDS_TAB_MAT = 134,
    IDS_TAB_SHADOW = 135,
    IDS_BAR_HOME = 1018,        // tool tips of the dialog bars' buttons
    IDS_BAR_CANCEL = 1020,
    IDS_BAR_OK = 1023,
    IDS_BAR_PREVIOUS = 1044,
    IDS_BAR_NEXT = 1045,
    IDS_BAR_HELP = 1046,
    IDS_BAR_UNDO = 1074,
    IDS_STATUS_INFO = 1078,     // tool tips of the status panes
    IDS_STATUS_IN = 1080,
    IDS_STATUS_OUT = 1081,
    IDS_STATUS_ACTUAL = 1082,
    IDS_STATUS_FIT = 1083,
    IDS_STATUS_SCALE = 1084,
    IDS_STATUS_CURSOR = 1085,
    IDS_STATUS_COLOR = 1086,
    IDS_BAR_REDO = 1088,
    IDS_BAR_FOREGROUND = 1089,
    IDS_BAR_BACKGROUND = 1090,
    IDS_RASTER_BAYER = 63000,
    IDS_CONVERT_4BIT = 63001,
    IDS_CONVERT_8BIT = 63002,
    IDS_RASTER_NONE = 63003,
    IDS_RASTER_DIFFUSION = 63004,
    IDS_PERCENT_DONE = 63028,   // "%i%% done (%s)"
    IDS_READY = 63029,
    IDS_CANT_CANCEL = 63042,
    IDS_RESIZE = 63043,
    IDS_RESAMPLE = 63044,
    IDS_CANT_INTERPOLATE = 63047,
    IDS_STITCH_PREVIEW = 63055,
    // The framework's prompts of File > Send...
    IDP_FAILED_MAPI_LOAD = 61840,
    IDP_INVALID_MAPI_DLL = 61841,
    IDP_FAILED_MAPI_SEND = 61842,
};

// The table as one QnRcStr, pointed at the compiled texts on first use.
QnRcStr& LdUiRcStr();
inline std::string LdUiString(int id) { return LdUiRcStr()(id); }
