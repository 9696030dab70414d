// Message texts and dialog texts of the plug-in host library, by id, from
// the resources it carries in the user's language.
#pragma once

#include "base/QnRcStr.h"
#include "platform/LangResources.h"

#include <cstdint>

enum FxgateStringId : int {
    IDS_PI_TOOL_ERROR = 5000,
    IDS_PI_INTERNAL_ERROR = 5001,
    IDS_PI_READ_ERROR = 5003,
    IDS_PI_WRITE_ERROR = 5004,
    IDS_PI_IO_ERROR = 5006,
    IDS_PI_OUT_OF_MEMORY = 5007,
    IDS_PI_DISK_FULL = 5008,
    IDS_PI_END_OF_FILE = 5009,
    IDS_PI_BAD_MODE = 5010,
    IDS_PI_BAD_INTERFACE = 5011,
    IDS_PI_HOST_INSUFFICIENT = 5012,
    IDS_PI_CATEGORY_OTHER = 5101,
    IDS_PI_SELECT_FOLDER = 20002,
    IDS_PI_ADDING_PLUGINS = 20003,
    IDS_PI_WARNING_CAPTION = 4001,
    IDS_PI_FOLDER_ALREADY_ADDED = 4002,
    IDS_PI_FOLDER_TOO_LONG = 4003,
};

// The library's resources, looked up in the system default language.
const platform::LangResources& FxgateResources();
// The library's string table.
const QnRcStr& FxgateRc();
// The text of id, or null when the table has none.
const char* FxgateText(int id);
// The texts of dialog template dialogId (none when it has no template).
platform::DialogTexts FxgateDialogTexts(uint32_t dialogId);
