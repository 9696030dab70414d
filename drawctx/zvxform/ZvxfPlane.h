// What the stretcher sees of a source or destination: a plane site makes a
// plane; a plane tells its row format and hands out row data for a position;
// row data is one run of pixels of one row. The drawing library derives its
// picture sites, destination sites and their rows from these.
#pragma once

#include "drawctx/zvxform/ZvxfHeap.h"
#include "render/Rect.h"

#include <cstdint>

// Three 32-bit values: bytes per pixel, 1, and the step from one pixel to
// the next (the bytes per pixel again).
struct ZVXFROWFORMAT {
    int32_t bytesPerPixel = 1;
    int32_t planes = 1;
    int32_t pixelStep = 1;
};
static_assert(sizeof(ZVXFROWFORMAT) == 12);

// Row data that can be read.
class ZVXFREADPLANEDATA : public Zvxf_nd {
public:
    virtual ~ZVXFREADPLANEDATA() = default;
    // First column, row, end column, row + 1.
    virtual QnRect Extent() const = 0;
    // The pixel at the extent's first column.
    virtual uint8_t* Pointer() = 0;
    virtual ZVXFREADPLANEDATA* Copy() const = 0;
};

// Row data that can also be written.
class ZVXFPLANEDATA : public virtual ZVXFREADPLANEDATA {
};

class ZVXFPLANE : public Zvxf_nd {
public:
    virtual ~ZVXFPLANE() = default;
    virtual ZVXFROWFORMAT Format() const = 0;
    // Row data holding the pixel at (x, y); the caller deletes it.
    virtual ZVXFREADPLANEDATA* CreateReadData(int32_t x, int32_t y) = 0;
    virtual ZVXFPLANEDATA* CreateReadWriteData(int32_t x, int32_t y) = 0;
    virtual ZVXFPLANE* Copy() const = 0;
};

class ZVXFPLANESITE : public Zvxf_nd {
public:
    virtual ~ZVXFPLANESITE() = default;
    // Answers 1 from every site of the suite.
    virtual int Query() const { return 1; }
    // A plane the caller deletes.
    virtual ZVXFPLANE* CreatePlane() = 0;
};

// Asked once per row of a stretch; non-zero stops it.
class ZV_ABORT {
public:
    virtual ~ZV_ABORT() = default;
    virtual int Aborted() = 0;
};
