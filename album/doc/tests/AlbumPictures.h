// Picture files made by the tests: a true-colour picture of one colour,
// written in the format its name's extension gives.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <string>

#include "album/doc/AlbumWriteWA.h"
#include "drawctx/zvwa/WA.h"

namespace albumtest {

// A picture with one reference, filled with blue, green, red.
inline WA* MakePicture(int32_t w, int32_t h, uint8_t b = 0, uint8_t g = 0, uint8_t r = 255)
{
    WA* wa = new WA(WA_TYPE_RGB, w, h, static_cast<char*>(nullptr));
    for (int32_t row = 0; row < h; ++row)
        for (int32_t col = 0; col < w; ++col) {
            uint8_t* p = wa->Row(row) + 3 * col;
            p[0] = b, p[1] = g, p[2] = r;
        }
    return wa;
}

inline void WritePictureFile(const std::string& path, int32_t w, int32_t h, uint8_t b = 0, uint8_t g = 0,
                             uint8_t r = 255)
{
    WA* wa = MakePicture(w, h, b, g, r);
    ASSERT_TRUE(WriteAlbumPicture(path, *wa)) << path;
    WARelease(wa);
}

inline void SetModificationTime(const std::string& path, time_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace albumtest
