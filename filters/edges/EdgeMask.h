// One mask of the gallery: 8-bit weights (0 keeps the picture, 255 is the
// background colour), rows counted from the top of the picture. Loaded from
// the module's bitmap resource, and the blurred copy that casts the shadow.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class EdgeMask {
public:
    EdgeMask() = default;
    EdgeMask(int32_t width, int32_t height, std::vector<uint8_t> topDown);

    // The mask held by a packed 8-bit DIB (bottom-up, uncompressed); none
    // when the bytes are no such bitmap.
    static std::optional<EdgeMask> FromDib(std::span<const uint8_t> dib);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }
    uint8_t At(int32_t x, int32_t y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }

    // The weight at a position in 1/16 mask pixel (fx along a row, ty down
    // the rows): the four neighbours mixed by the fractions in fifteenths,
    // at most 255. The neighbours beyond the last column and row repeat it.
    int32_t Weight(int32_t fx, int32_t ty) const;

    // The copy smoothed by two passes forward and back along the rows, then
    // along the columns, that gives the shadow its soft edge.
    EdgeMask Blurred() const;

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> pixels_;
};
