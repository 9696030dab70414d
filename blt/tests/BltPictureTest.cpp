#include "blt/Blt.h"
#include "BltTestSupport.h"
#include "picture/Picture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace blttest;

namespace {

// A colour picture whose every pixel differs from its neighbours, written
// row by row as the import sink would, so that a tile placed one pixel off
// or a wrong sample shows.
PpQnPicture PatternPicture(int32_t width, int32_t height)
{
    PpQnPicture picture(width, height, 0x000000u);
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            row[size_t(x) * 3 + 0] = uint8_t(x * 7 + y);
            row[size_t(x) * 3 + 1] = uint8_t(y * 5 + x / 3);
            row[size_t(x) * 3 + 2] = uint8_t(x ^ y);
        }
        picture->WriteToRow(0, y, QnRange{0, width}, row.data());
    }
    return picture;
}

} // namespace

// A real tiled picture drawn through the blitter at a quarter, one and three
// times its size shows, pixel for pixel, its stretch rendered directly.
TEST(BltPicture, DrawsATiledPictureAsItsStretchAtEveryZoom)
{
    const PpQnPicture picture = PatternPicture(333, 211);
    struct Case {
        int32_t num;
        uint32_t den;
        int32_t dx, dy;
    };
    for (const Case c : {Case{1, 4, -10, -20}, Case{1, 1, 40, 30}, Case{3, 1, 500, 300}}) {
        SCOPED_TRACE(testing::Message() << c.num << "/" << c.den);
        const QnXFormXY zoom = Zoom(c.num, c.den);
        const Expected expected{PpQnRenderObj(picture), zoom};
        QnBlt blt;
        MemoryDC dc(300, 200, kBackground);
        const QnRgn all = WholeDevice(dc);
        blt.Draw(dc, all, PpQnRenderObj(picture), c.dx, c.dy, zoom, QnXFormXY(), 0, nullptr);
        EXPECT_EQ(CountWrongPixels(dc, expected, c.dx, c.dy, all), 0);
    }
}
