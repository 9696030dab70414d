// Pictures in memory behind the work-area interfaces: a source, a
// destination or a mask of a plug-in run. Rows are kept bottom-up, as the
// work areas count them; a pixel is 3 bytes (blue, green, red) for type 16,
// 1 byte for type 8, and type 1 rows are packed bits.
#pragma once

#include "pluginhost/PIWorkAreas.h"

#include <cstdint>
#include <cstring>
#include <vector>

class TestPicture : public CAbstractWriteWA_Ex, public CAbstractReadWA_Ex {
public:
    TestPicture(int32_t type, int32_t width, int32_t height)
        : type_(type), width_(width), height_(height), pixels_(size_t(RowBytes()) * size_t(height), 0)
    {
    }

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t PixelSize() const { return type_ == 16 ? 3 : 1; }
    int32_t RowBytes() const { return type_ == 1 ? (width_ + 7) / 8 : width_ * PixelSize(); }
    // Pixel (x, y), y counted from the top.
    uint8_t* At(int32_t x, int32_t y) { return &pixels_[size_t(height_ - 1 - y) * size_t(RowBytes()) + size_t(x * PixelSize())]; }
    const std::vector<uint8_t>& Pixels() const { return pixels_; }
    std::vector<uint8_t>& Pixels() { return pixels_; }
    int32_t Writes() const { return writes_; }

    // ---- source
    int32_t GetImageCount(int32_t& count) override { count = 1; return 0; }
    int32_t GetPageCount(int32_t, int32_t& count) override { count = 1; return 0; }
    int32_t GetSize(int32_t, int32_t, int32_t& width, int32_t& height) override
    {
        width = width_;
        height = height_;
        return 0;
    }
    int32_t GetType(int32_t, int32_t, int32_t& type) override { type = type_; return 0; }
    int32_t GetPalette(int32_t, int32_t, uint32_t*, int32_t) override { return 0; }
    int32_t GetResolution(int32_t, int32_t, int32_t& x, int32_t& y) override
    {
        x = y = 300;
        return 0;
    }
    int32_t ReadRow(int32_t, int32_t, int32_t row, uint8_t* buffer) override
    {
        if (row < 0 || row >= height_)
            return 1;
        std::memcpy(buffer, &pixels_[size_t(row) * size_t(RowBytes())], size_t(RowBytes()));
        return 0;
    }
    int32_t ReadPixels(int32_t, int32_t, int32_t column, int32_t row, int32_t length, const uint8_t*& pixels) override
    {
        if (!Inside(column, row, length))
            return 1;
        if (type_ == 1) {
            // Packed from the first pixel asked for on.
            buffer_.assign(size_t(length + 7) / 8, 0);
            for (int32_t i = 0; i < length; ++i) {
                const int32_t x = column + i;
                if (pixels_[size_t(row) * size_t(RowBytes()) + size_t(x / 8)] & (0x80 >> (x % 8)))
                    buffer_[size_t(i / 8)] |= uint8_t(0x80 >> (i % 8));
            }
            pixels = buffer_.data();
            return 0;
        }
        pixels = &pixels_[size_t(row) * size_t(RowBytes()) + size_t(column * PixelSize())];
        return 0;
    }

    // ---- destination
    int32_t SetImageCount(int32_t) override { return 0; }
    int32_t SetPageCount(int32_t, int32_t) override { return 0; }
    int32_t SetSize(int32_t, int32_t, int32_t width, int32_t height) override
    {
        return width == width_ && height == height_ ? 0 : 1;
    }
    int32_t SetType(int32_t, int32_t, int32_t type) override { return type == type_ ? 0 : 1; }
    int32_t SetPalette(int32_t, int32_t, const uint32_t*, int32_t) override { return 0; }
    int32_t SetResolution(int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int32_t WriteRow(int32_t, int32_t, int32_t, const uint8_t*) override { return 0; }
    int32_t WritePixels(int32_t, int32_t, int32_t column, int32_t row, int32_t length, const uint8_t* pixels) override
    {
        if (!Inside(column, row, length) || type_ == 1)
            return 1;
        std::memcpy(&pixels_[size_t(row) * size_t(RowBytes()) + size_t(column * PixelSize())], pixels,
                    size_t(length * PixelSize()));
        ++writes_;
        return 0;
    }
    int32_t ReadBackPixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                           const uint8_t*& pixels) override
    {
        return ReadPixels(image, page, column, row, length, pixels);
    }

private:
    bool Inside(int32_t column, int32_t row, int32_t length) const
    {
        return row >= 0 && row < height_ && column >= 0 && length > 0 && column + length <= width_;
    }

    int32_t type_;
    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> buffer_;
    int32_t writes_ = 0;
};
