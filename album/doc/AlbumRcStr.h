// The album's message texts and captions, by the ids of its string table.
// The album program points the table at its own resources; until then (and
// in the tests) the texts below are used.
#pragma once

#include "base/QnRcStr.h"

enum OvAlbumStrId {
    IDS_PHYSICAL_MEMORY = 102,       // "%lu KB"
    IDS_FREE_DISK = 103,             // "%lu KB Free on %s"
    IDS_DISK_UNAVAILABLE = 104,      // "Unavailable"
    IDS_GROUP_CAPTION = 105,         // "Place"
    IDS_PICTURE_FILTER = 106,        // the Add files dialog's filter
    IDS_FORMAT_BMP = 107,            // "Windows Bitmap Files (*.bmp)"
    IDS_FORMAT_JPEG = 108,           // "JPEG Files (*.jpg)"
    IDS_FORMAT_TIFF = 109,           // "TIFF Files (*.tif)"
    IDS_CREATE_FOLDER = 110,         // "Specified folder does not exist!\nCreate it?"
    IDS_CANT_CREATE_FOLDER = 111,    // "Can't create specified folder!!!"
    IDS_CREATING_THUMBNAIL = 129,    // "Creating thumbnail No %d"
    IDS_CANT_WRITE_FOLDER = 112,     // "Can't write to specified folder!"
    IDS_WRONG_VERSION = 130,         // "Wrong document version!"
    IDS_FILE_NOT_FOUND = 131,        // the "Album error" question
    IDS_FILE_CHANGED = 132,          // the changed-file question
    IDS_NO_BROWSER = 133,            // "Can't find Internet browser!"
    IDS_ALBUM_TEMPLATE = 153,        // the document template's strings
    IDS_SUBGROUP_CAPTION = 32776,    // "More info"
    IDS_ALIAS_CAPTION = 32777,       // "Alias"
    IDS_ALBUM_TITLE = 57344,         // "Telvy Album v.1.0"
};

QnRcStr& OvAlbumRcStr();
