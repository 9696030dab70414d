// The reduced copy of the filter area that the gallery shows: a packed DIB
// (40-byte header, a grey colour table for one plane, bottom-up rows padded
// to 4) whose longer side is 128 pixels. It is filled one host row at a
// time and keeps the host's plane order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Thumbnail {
public:
    static constexpr int32_t kSide = 128;

    // For a filter area of width x height pixels of planes bytes (1 or 3).
    Thumbnail(int32_t areaWidth, int32_t areaHeight, int32_t planes);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t Planes() const { return planes_; }
    const std::vector<uint8_t>& Dib() const { return dib_; }

    // Copies row r of the filter area (areaWidth pixels) into the thumbnail
    // rows that show it.
    void CopyRow(int32_t r, const uint8_t* pixels);

    // The planes bytes of pixel (x, y), y counted from the top.
    const uint8_t* Pixel(int32_t x, int32_t y) const
    {
        return &dib_[bitsOffset_ + size_t(height_ - 1 - y) * rowBytes_ + size_t(x) * size_t(planes_)];
    }

private:
    uint8_t* Row(int32_t y) { return &dib_[bitsOffset_ + size_t(height_ - 1 - y) * rowBytes_]; }

    int32_t areaWidth_;
    int32_t areaHeight_;
    int32_t planes_;
    int32_t width_;
    int32_t height_;
    size_t rowBytes_;
    size_t bitsOffset_;
    std::vector<uint8_t> dib_;
};
