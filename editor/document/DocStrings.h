// The editor's message texts that its picture document shows and labels
// its history with, by the ids of the program's string table, compiled in.
#pragma once

#include <string>

#include "base/QnRcStr.h"

enum LdDocStrId : int {
    IDS_FILL = 106,
    IDS_NO_VALID_DATA_FILE = 32859,
    IDS_SELECT_FIRST = 32864,
    IDS_PROPERTY_NAME = 63015,
    IDS_PROPERTY_MODIFIED = 63016,
    IDS_PROPERTY_WIDTH = 63017,
    IDS_PROPERTY_HEIGHT = 63018,
    IDS_PROPERTY_XRES = 63019,
    IDS_PROPERTY_YRES = 63020,
    IDS_PROPERTY_1BIT = 63021,
    IDS_PROPERTY_4BIT = 63022,
    IDS_PROPERTY_8BIT = 63023,
    IDS_PROPERTY_GREY = 63024,
    IDS_PROPERTY_24BIT = 63025,
    IDS_NOTHING_TO_DO = 63026,
    IDS_WRONG_PICTURE_TYPE = 63027,
    IDS_CANT_READ_FILE = 63034,
    IDS_USE_DEFAULT = 63035,
    IDS_CONVERT_QUESTION = 63058,
    IDS_NAME_ALREADY_OPEN = 63059,
    IDS_UNKNOWN_SOURCE = 63060,
    IDS_NO_CLIPBOARD_DATA = 63061,
    IDS_PAINT = 63080,
    IDS_ADD_TEXT = 63081,
    IDS_CURRENT = 63082,
    IDS_FAST_UNDO_EXHAUSTED = 63083,
    IDS_CLONE = 63084,
};

QnRcStr& LdDocRcStr();
inline std::string DocString(int id) { return LdDocRcStr()(id); }
