// A photograph at a benchmark's size: ImageMagick's built-in sample photo
// ("rose:", a real photograph shipped with the imagemagick package) scaled
// up, written as a binary PPM that every tool reads, and read back into a
// 24-bit picture. Without ImageMagick there is no photograph, and the
// benchmarks that need one say so and skip.
#pragma once

#include "OutsideTool.h"
#include "ProcessMeasure.h"
#include "picture/Picture.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

// Writes the scaled photograph to path; false when ImageMagick failed.
inline bool MakePhoto(const std::string& path, int width, int height)
{
    const std::string size = std::to_string(width) + "x" + std::to_string(height) + "!";
    return RunProcess({"convert", "rose:", "-resize", size, path}, 1).ok;
}

// A binary PPM (P6, maxval 255) as a 24-bit picture; null when unreadable.
inline PpQnPicture ReadPpm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();
    if (!in || magic != "P6" || maxval != 255 || width <= 0 || height <= 0)
        return PpQnPicture();
    PpQnPicture picture(width, height, WA_RGB24, nullptr);
    std::vector<unsigned char> rgb(size_t(width) * 3), bgr(rgb.size());
    for (int y = 0; y < height; ++y) {
        if (!in.read(reinterpret_cast<char*>(rgb.data()), std::streamsize(rgb.size())))
            return PpQnPicture();
        for (size_t x = 0; x < size_t(width); ++x) {
            bgr[3 * x] = rgb[3 * x + 2];
            bgr[3 * x + 1] = rgb[3 * x + 1];
            bgr[3 * x + 2] = rgb[3 * x];
        }
        picture->SetRow(0, 0, height - 1 - y, bgr.data());  // the file interface's rows run bottom-up
    }
    return picture;
}
