// A 24-bit device-independent bitmap held by the savers: the picture they
// animate, the composed square and the desktop copy. Rows are stored
// bottom-up, blue, green, red, each padded to 4 bytes, as the device
// contexts draw them.
#pragma once

#include "blt/DibBits.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class SaverDib {
public:
    SaverDib() = default;
    // All pixels black; a size of 0 or less gives an empty DIB.
    SaverDib(int32_t width, int32_t height);

    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    size_t RowBytes() const { return rowBytes_; }

    // Line y counted from the top, as the effects count picture rows.
    uint8_t* Line(int32_t y) { return bytes_.data() + size_t(height_ - 1 - y) * rowBytes_; }
    const uint8_t* Line(int32_t y) const { return bytes_.data() + size_t(height_ - 1 - y) * rowBytes_; }
    uint8_t* Pixel(int32_t x, int32_t y) { return Line(y) + size_t(x) * 3; }
    const uint8_t* Pixel(int32_t x, int32_t y) const { return Line(y) + size_t(x) * 3; }

    std::vector<uint8_t>& Bytes() { return bytes_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    DibBits Bits() const { return DibBits{width_, height_, bytes_.data()}; }

    // The picture file at path, any format the import/export library reads,
    // brought to 24 bits. Nothing, and the reason in *error, when it cannot
    // be read.
    static std::optional<SaverDib> Load(const std::string& path, std::string* error = nullptr);

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    size_t rowBytes_ = 0;
    std::vector<uint8_t> bytes_;
};
