// The decoders, one a format. Each takes the whole file in memory, checks
// what it reads against the file's length and the pixel limit, and hands
// the picture to the target; any damage raises with the reason.
#pragma once

#include <cstdint>
#include <span>

namespace imexp {

class ReadTarget;

// A BMP file (headerless false) or a packed DIB without its file header.
void ReadBmp(std::span<const uint8_t> file, ReadTarget& target, bool headerless);
void ReadJpeg(std::span<const uint8_t> file, ReadTarget& target);
void ReadPng(std::span<const uint8_t> file, ReadTarget& target);
void ReadTiff(std::span<const uint8_t> file, ReadTarget& target);
void ReadGif(std::span<const uint8_t> file, ReadTarget& target);

} // namespace imexp
