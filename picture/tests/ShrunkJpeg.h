// Helpers of the shrink-on-load tests: a photograph-like picture (smooth
// colour waves, no noise) written as a JPEG, read whole as the reference,
// and opened through a file descriptor while an area asks for shrinking.
#pragma once

#include "imexp/ImExp.h"
#include "picture/FileDescriptor.h"
#include "picture/Picture.h"
#include "picture/ShrinkOnLoad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace shrunktest {

inline PpQnPicture PhotoLike(int32_t width, int32_t height)
{
    PpQnPicture picture(width, height, 0u);
    std::vector<uint8_t> line(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            line[size_t(x) * 3] = uint8_t(128 + 100 * std::sin(x / 40.0 + y / 70.0));
            line[size_t(x) * 3 + 1] = uint8_t(128 + 90 * std::cos(y / 50.0 - x / 90.0));
            line[size_t(x) * 3 + 2] = uint8_t((x + 2 * y) / 8 % 200 + 20);
        }
        picture->WriteToRow(0, y, QnRange{0, width}, line.data());
    }
    return picture;
}

inline void WriteJpeg(const PpQnPicture& picture, const std::string& path)
{
    imexp::WriteOptions options;
    options.jpegQuality = 92;
    ASSERT_TRUE(imexp::WritePicture(path, *picture, options));
}

// The file decoded whole, outside the load/save cache.
inline PpQnPicture ReadWhole(const std::string& path)
{
    PpQnPicture picture = PpQnPicture::Empty();
    EXPECT_TRUE(imexp::ReadPicture(path, *picture));
    return picture;
}

// The file opened as the editor opens one, shrinking for a view of
// areaWidth x areaHeight.
inline PpQnPicture OpenShrunk(const std::string& path, int32_t areaWidth, int32_t areaHeight)
{
    const QnShrinkOnLoad shrink(areaWidth, areaHeight);
    return PpQnPicture(PpQnLsmDsc(PpQnFileDescriptor(path.c_str(), QnFileDescriptor::FD_EXISTING)), nullptr);
}

} // namespace shrunktest
