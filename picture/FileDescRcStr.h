// Message texts of the file descriptors and handles, and how their raising
// sites throw them. Ids start at 101, clear of the picture messages, so the
// two tables can become one.
#pragma once

#include "base/QnExcept.h"
#include "base/QnRcStr.h"

enum QnFileDescStrId {
    QN_FDSC_CANT_LOAD_NEW = 101,
    QN_FDSC_CANT_SAVE_TEMP = 102,
    QN_FDSC_CANT_OPEN = 103,
    QN_FDSC_CANT_DUP = 104,
    QN_FDSC_READ_ERROR = 105,
    QN_FDSC_PREMATURE_EOF = 106,
    QN_FDSC_WRITE_ERROR = 107,
    QN_FDSC_DISK_FULL = 108,
    QN_FDSC_SET_LENGTH_ERROR = 109,
    QN_FDSC_SEEK_ERROR = 110,
};

QnRcStr& QnFileDescRcStr();

// Raises message id as a QnExcept from source stem "FileDesc" and this line.
// Each site keeps its exception object in a static of its own.
#define QN_FDSC_RAISE(id)                                                                \
    do {                                                                                 \
        static QnExcept qnFdscSite_(QnFileDescRcStr()(id).c_str(), "FileDesc", __LINE__); \
        qnFdscSite_.raise();                                                             \
    } while (0)
