// The editor's message texts that its picture operations raise, by the ids
// of the program's string table, compiled in.
#pragma once

#include <string>

#include "base/QnRcStr.h"

enum LdOperationStrId : int {
    IDS_RENDERING_PICTURE = 63045, // "Rendering picture"
    IDS_BAD_PLANE = 63046,
    IDS_USER_ABORT = 63056,
};

QnRcStr& LdOperationRcStr();
inline std::string OperationString(int id) { return LdOperationRcStr()(id); }
