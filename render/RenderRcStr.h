// The render library's message texts and how its raising sites throw them.
#pragma once

#include "base/QnExcept.h"
#include "base/QnRcStr.h"

// Ids of the library's string table.
enum QnRenderStrId {
    QN_RENDER_BAD_XFORM_FACTOR = 1,
    QN_RENDER_BAD_PLANE_COUNT = 3,
    QN_RENDER_BAD_PLANE_REQUEST = 4,
    QN_RENDER_BAD_RECT_REQUEST = 5,
    QN_RENDER_CANT_INVOKE = 6,
    QN_RENDER_STRETCHING = 7,
    QN_RENDER_USER_ABORT = 8,
};

// The library's one QnRcStr, pointed at its string table on first use.
QnRcStr& QnRenderRcStr();

// Raises message id of the library's table as a QnExcept from the given
// source stem and this line. Each site keeps its exception object in a static
// of its own, built on the first raise.
#define QN_RENDER_RAISE(id, stem)                                                        \
    do {                                                                                 \
        static QnExcept qnRenderSite_(QnRenderRcStr()(id).c_str(), stem, __LINE__);      \
        qnRenderSite_.raise();                                                           \
    } while (0)
