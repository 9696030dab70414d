// The editor's message texts that its picture operations raise, by the ids
// of the program's string table, compiled in.
#pragma once

#include <string>

#include "base/QnRcStr.h"

enum LdOperationStrId : int {
    IDS_NONE = 132,               // "None": no frame, no mat
    IDS_BUILDING_PALETTE = 63005,
    IDS_BAD_DITHER_OPTIONS = 63006,
    IDS_CONVERTING_1BIT = 63009,
    IDS_CONVERTING_4BIT = 63010,
    IDS_CONVERTING_8BIT = 63011,
    IDS_RENDERING_PICTURE = 63045, // "Rendering picture"
    IDS_BAD_PLANE = 63046,
    IDS_CROPPING = 63048,
    IDS_RESIZING = 63049,
    IDS_RESAMPLING = 63050,
    IDS_ROTATING = 63051,
    IDS_FLIPPING = 63052,
    IDS_INSERTING = 63053,
    IDS_STITCHING = 63054,
    IDS_USER_ABORT = 63056,
};

QnRcStr& LdOperationRcStr();
inline std::string OperationString(int id) { return LdOperationRcStr()(id); }
