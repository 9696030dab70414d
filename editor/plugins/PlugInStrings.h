// The editor's message texts of external plug-in runs, by the ids of the
// program's string table, compiled in.
#pragma once

#include <string>

#include "base/QnRcStr.h"

enum LdPlugInStrId : int {
    IDS_PI_PROCESSING = 63040,
};

QnRcStr& LdPlugInRcStr();
inline std::string PlugInString(int id) { return LdPlugInRcStr()(id); }
