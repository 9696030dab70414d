// The pictures of frames and mats as they lie on disk: 24-bit BMP files,
// rows bottom-up and padded to 4 bytes. Reading checks every size against
// the bytes that are there, so a damaged or truncated file is refused
// rather than read past its end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A 24-bit bitmap as a DIB keeps it: row 0 is the bottom row, each row
// Stride() bytes (width * 3 padded to 4), blue, green, red.
struct FramePicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bits;

    int32_t Stride() const { return (width * 3 + 3) & ~3; }
    const uint8_t* Pixel(int32_t x, int32_t y) const { return bits.data() + size_t(y) * size_t(Stride()) + size_t(x) * 3; }
    uint8_t* Pixel(int32_t x, int32_t y) { return bits.data() + size_t(y) * size_t(Stride()) + size_t(x) * 3; }
};

// The largest side a frame or mat picture may have; larger ones are
// refused (the set that comes with the program is far smaller).
constexpr int32_t kFramePictureMaxSide = 4096;

// The picture of a BMP file's bytes, or nothing (with the reason in *error)
// when they are not a whole uncompressed 24-bit bottom-up bitmap.
std::optional<FramePicture> DecodeFramePicture(std::span<const uint8_t> file, std::string* error = nullptr);
// The picture of a file, or nothing when it is missing or damaged.
std::optional<FramePicture> ReadFramePicture(const std::string& path, std::string* error = nullptr);
// The BMP file of a picture.
std::vector<uint8_t> EncodeFramePicture(const FramePicture& picture);
