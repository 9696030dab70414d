// A 24-bit picture in memory as the plug-in host library reads and writes
// it (the import/export library's work-area interfaces, rows bottom-up),
// for the benchmarks that run filter modules under the host. Row(y) counts
// rows from the top; OnRead sees every row the host reads.
#pragma once

#include "pluginhost/PIWorkAreas.h"

#include <cstdint>
#include <cstring>
#include <vector>

class HostMemoryPicture : public CAbstractWriteWA_Ex, public CAbstractReadWA_Ex {
public:
    HostMemoryPicture(int32_t width, int32_t height)
        : width_(width), height_(height), pixels_(size_t(width) * 3 * size_t(height))
    {
    }

    uint8_t* Row(int32_t topDown) { return At(0, height_ - 1 - topDown); }

    int32_t GetImageCount(int32_t& n) override { n = 1; return 0; }
    int32_t GetPageCount(int32_t, int32_t& n) override { n = 1; return 0; }
    int32_t GetSize(int32_t, int32_t, int32_t& w, int32_t& h) override { w = width_; h = height_; return 0; }
    int32_t GetType(int32_t, int32_t, int32_t& t) override { t = 16; return 0; }
    int32_t GetPalette(int32_t, int32_t, uint32_t*, int32_t) override { return 0; }
    int32_t GetResolution(int32_t, int32_t, int32_t& x, int32_t& y) override { x = y = 300; return 0; }
    int32_t ReadRow(int32_t, int32_t, int32_t, uint8_t*) override { return 1; }
    int32_t ReadPixels(int32_t, int32_t, int32_t column, int32_t row, int32_t, const uint8_t*& pixels) override
    {
        OnRead(row);
        pixels = At(column, row);
        return 0;
    }
    int32_t SetImageCount(int32_t) override { return 0; }
    int32_t SetPageCount(int32_t, int32_t) override { return 0; }
    int32_t SetSize(int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int32_t SetType(int32_t, int32_t, int32_t) override { return 0; }
    int32_t SetPalette(int32_t, int32_t, const uint32_t*, int32_t) override { return 0; }
    int32_t SetResolution(int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int32_t WriteRow(int32_t, int32_t, int32_t, const uint8_t*) override { return 0; }
    int32_t WritePixels(int32_t, int32_t, int32_t column, int32_t row, int32_t length, const uint8_t* p) override
    {
        std::memcpy(At(column, row), p, size_t(length) * 3);
        return 0;
    }
    int32_t ReadBackPixels(int32_t, int32_t, int32_t column, int32_t row, int32_t, const uint8_t*& pixels) override
    {
        pixels = At(column, row);
        return 0;
    }

protected:
    virtual void OnRead(int32_t /*bottomUp*/) {}

private:
    uint8_t* At(int32_t column, int32_t bottomUp) { return &pixels_[(size_t(bottomUp) * width_ + size_t(column)) * 3]; }

    int32_t width_, height_;
    std::vector<uint8_t> pixels_;
};
