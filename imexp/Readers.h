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
// Announces the JPEG picture at its full size, as ReadJpeg would, and hands
// over no rows: its header says all that.
void ReadJpegHeader(std::span<const uint8_t> file, ReadTarget& target);
void ReadPng(std::span<const uint8_t> file, ReadTarget& target);
void ReadTiff(std::span<const uint8_t> file, ReadTarget& target);
// TIFF keeps its strips where its directory says: read from the open file
// as needed rather than holding the whole file.
void ReadTiffFile(int fd, uint64_t size, ReadTarget& target);
void ReadGif(std::span<const uint8_t> file, ReadTarget& target);

} // namespace imexp
