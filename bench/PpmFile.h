// The pictures the benchmarks hand to outside tools, as binary PPM files.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Writes a width x height PPM whose top-down row y rowOf(y, bgr) fills with
// blue, green, red pixels, the suite's own order.
template <class RowOf>
void WritePpmFromBgrRows(const std::string& path, int32_t width, int32_t height, RowOf rowOf)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    std::vector<uint8_t> bgr(size_t(width) * 3), rgb(bgr.size());
    for (int32_t y = 0; y < height; ++y) {
        rowOf(y, bgr.data());
        for (size_t i = 0; i < bgr.size(); i += 3) {
            rgb[i] = bgr[i + 2];
            rgb[i + 1] = bgr[i + 1];
            rgb[i + 2] = bgr[i];
        }
        out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
    }
}
