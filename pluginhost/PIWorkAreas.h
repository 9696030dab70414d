// The work areas through which a caller hands pictures to a plug-in run:
// CPIWriteWA gives a picture (the source, and the selection mask), CPIReadWA
// takes one (the destination). The _Ex interfaces add the row transfer the
// host uses.
//
// Every operation answers 0 for success. Image and page are 0 in every call
// the host makes. Type codes: 1 (1 bit), 2 (4 bits), 4 (8-bit palette),
// 8 (8-bit grey), 16 (24-bit colour). A pixel takes 3 bytes for type 16, in
// the order blue, green, red, and 1 byte for types 2 to 8; type 1 rows are
// packed 8 pixels a byte, the first pixel in the most significant bit. Rows
// are counted from the bottom of the picture.
#pragma once

#include <cstdint>

class CPIWriteWA {
public:
    CPIWriteWA() = default;
    CPIWriteWA(const CPIWriteWA&) = default;
    CPIWriteWA& operator=(const CPIWriteWA&) { return *this; }
    virtual ~CPIWriteWA() = default;

    virtual int32_t GetImageCount(int32_t& count) = 0;
    virtual int32_t GetPageCount(int32_t image, int32_t& count) = 0;
    virtual int32_t GetSize(int32_t image, int32_t page, int32_t& width, int32_t& height) = 0;
    virtual int32_t GetType(int32_t image, int32_t page, int32_t& type) = 0;
    // Up to count palette entries (0x00RRGGBB); not called by the host.
    virtual int32_t GetPalette(int32_t image, int32_t page, uint32_t* colours, int32_t count) = 0;
    virtual int32_t GetResolution(int32_t image, int32_t page, int32_t& x, int32_t& y) = 0;
    // Copies one whole row into the caller's buffer; not called by the host.
    virtual int32_t ReadRow(int32_t image, int32_t page, int32_t row, uint8_t* buffer) = 0;
};

class CPIReadWA {
public:
    CPIReadWA() = default;
    CPIReadWA(const CPIReadWA&) = default;
    CPIReadWA& operator=(const CPIReadWA&) { return *this; }
    virtual ~CPIReadWA() = default;

    virtual int32_t SetImageCount(int32_t count) = 0;
    virtual int32_t SetPageCount(int32_t image, int32_t count) = 0;
    virtual int32_t SetSize(int32_t image, int32_t page, int32_t width, int32_t height) = 0;
    virtual int32_t SetType(int32_t image, int32_t page, int32_t type) = 0;
    // Not called by the host.
    virtual int32_t SetPalette(int32_t image, int32_t page, const uint32_t* colours, int32_t count) = 0;
    virtual int32_t SetResolution(int32_t image, int32_t page, int32_t x, int32_t y) = 0;
    // Copies one whole row from the caller's buffer; not called by the host.
    virtual int32_t WriteRow(int32_t image, int32_t page, int32_t row, const uint8_t* buffer) = 0;
};

class CAbstractWriteWA_Ex : public CPIWriteWA {
public:
    // Points pixels at length pixels of a row, from a column on, held in a
    // buffer that the work area owns and keeps until its next call.
    virtual int32_t ReadPixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                               const uint8_t*& pixels) = 0;
};

class CAbstractReadWA_Ex : public CPIReadWA {
public:
    // Writes length pixels of a row, from a column on, from the caller's buffer.
    virtual int32_t WritePixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                                const uint8_t* pixels) = 0;
    // Like CAbstractWriteWA_Ex::ReadPixels, over the destination's pixels.
    virtual int32_t ReadBackPixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                                   const uint8_t*& pixels) = 0;
};
