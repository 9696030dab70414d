// Row access to a work area for as long as the object lives: mode 0 to read,
// 1 to write. The picture keeps a reference for the object's life.
#pragma once

#include "drawctx/zvwa/WA.h"

#include <cstdint>

enum : int { WAPIX_READ = 0, WAPIX_WRITE = 1 };

class WAPIX {
public:
    // Raises a QnExcept for a null picture or an unknown mode.
    WAPIX(WA* wa, int mode);
    WAPIX(const WAPIX&) = delete;
    WAPIX& operator=(const WAPIX&) = delete;
    ~WAPIX();

    // The packed row (0 = bottom), or null outside the picture.
    uint8_t* GetAccessToRow(int row) const;

private:
    WA* wa_;
    int mode_;
};
