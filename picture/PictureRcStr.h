// The picture library's message texts and how its raising sites throw them.
#pragma once

#include "base/QnExcept.h"
#include "base/QnRcStr.h"

// Ids of the library's string table.
enum QnPictureStrId {
    QN_PIC_UNSUPPORTED_TYPE = 1,
    QN_PIC_BAD_PLANE_REQUEST = 2,
    QN_PIC_USER_ABORT = 3,
    QN_PIC_RENDERING = 4,
    QN_PIC_BAD_FILE = 5,
    QN_PIC_UNKNOWN_CONVERTER = 6,
    QN_PIC_NOT_IMPLEMENTED_CONVERTER = 7,
    QN_PIC_BAD_PALETTE_SIZE = 8,
    QN_PIC_CONVERTING_TO_GRAY = 9,
    QN_PIC_CONVERTING_TO_RGB = 10,
    QN_PIC_CONVERTING_TO_HSV = 11,
    QN_PIC_CREATING_ALPHA = 12,
    QN_PIC_COMBINING = 13,
    QN_PIC_LOADING = 14,
    QN_PIC_SAVING_NAMED = 15,
    QN_PIC_SAVING = 16,
    QN_PIC_BAD_SIZE = 17,
    QN_PIC_BAD_ROW = 18,
    QN_PIC_LOADING_FILE = 19,
    QN_PIC_SAVING_TO_FILE = 20,
};

// The library's one QnRcStr, pointed at its string table on first use.
QnRcStr& QnPictureRcStr();
// The text of id, for progress displays.
std::string QnPictureText(int id);
// The text of id with its one %s replaced by name.
std::string QnPictureText(int id, const char* name);

// Raises message id of the library's table as a QnExcept from the given
// source stem and this line. Each site keeps its exception object in a static
// of its own, built on the first raise.
#define QN_PICTURE_RAISE(id, stem)                                                       \
    do {                                                                                 \
        static QnExcept qnPictureSite_(QnPictureRcStr()(id).c_str(), stem, __LINE__);    \
        qnPictureSite_.raise();                                                          \
    } while (0)
