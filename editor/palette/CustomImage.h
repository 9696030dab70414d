// The palette's own sample picture made from a picture window: the picture as
// a packed 24-bit DIB reduced by a whole step to fit the preview size, and
// written as a bitmap file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The DIB (40-byte header, bottom-up rows) reduced by nearest sampling with
// the largest whole step that keeps it at least previewWidth x previewHeight
// in one direction; a picture smaller than that keeps its size. Empty when
// the DIB is not a whole 24-bit one.
std::vector<uint8_t> LdMakeCustomImage(const std::vector<uint8_t>& dib, int32_t previewWidth, int32_t previewHeight);
// Writes the DIB as a bitmap file, whole or not at all; raises the
// framework's file exception when it cannot.
void LdWriteBitmapFile(const std::string& path, const std::vector<uint8_t>& dib);
