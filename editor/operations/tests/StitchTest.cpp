// Stitch: where each picture lands for offsets of each sign, the background
// under the shorter picture, the weighted overlap, and the output type.
#include <cstring>

#include "editor/operations/PictureExprBuilders.h"

#include "PictureOpsSupport.h"

#include <gtest/gtest.h>

TEST(Stitch, PlacesBothPicturesAndFillsTheRest)
{
    const PpQnPicture a = MakePicture(WA_RGB24, 70, 40, 1), b = MakePicture(WA_RGB24, 50, 30, 2);
    const Pixels pa = Read(a), pb = Read(b);
    const struct {
        int32_t dx, dy, w, h;
        int32_t ax, ay, bx, by; // where each picture's (0, 0) lands
    } cases[] = {
        {70, 0, 120, 40, 0, 0, 70, 0},    // flush right
        {-50, 0, 120, 40, 50, 0, 0, 0},   // flush left
        {80, 15, 130, 45, 0, 0, 80, 15},  // apart: background between and under
        {-10, -20, 80, 60, 10, 20, 0, 0}, // overlapping, second up and left
    };
    const uint8_t background[3] = {0x10, 0x20, 0x30}; // blue, green, red
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
        const Pixels out =
            Read(EvalPicture(MakeStitchExpr(Value(a), Value(b), c.dx, c.dy, 100, 0x00102030)));
        ASSERT_EQ(out.width, c.w);
        ASSERT_EQ(out.height, c.h);
        int wrong = 0;
        for (int32_t y = 0; y < out.height; ++y)
            for (int32_t x = 0; x < out.width; ++x) {
                const bool inA = x >= c.ax && x < c.ax + 70 && y >= c.ay && y < c.ay + 40;
                const bool inB = x >= c.bx && x < c.bx + 50 && y >= c.by && y < c.by + 30;
                // Weight 100: the first picture wins the overlap.
                const uint8_t* want = inA ? pa.At(x - c.ax, y - c.ay) : inB ? pb.At(x - c.bx, y - c.by) : background;
                wrong += std::memcmp(out.At(x, y), want, 3) != 0;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(Stitch, OverlapWeightsAndOutputType)
{
    const PpQnPicture grey = MakePicture(WA_GRAY, 20, 10, 1), grey2 = MakePicture(WA_GRAY, 20, 10, 2);
    const Pixels g1 = Read(grey), g2 = Read(grey2);
    for (int percent : {0, 50, 100}) {
        const PpQnPicture out = EvalPicture(MakeStitchExpr(Value(grey), Value(grey2), 0, 0, percent, 0));
        EXPECT_EQ(out->Type(), WA_GRAY);
        const uint32_t k = uint32_t(percent * 256 / 100);
        const Pixels p = Read(out);
        for (int32_t x = 0; x < 20; ++x)
            EXPECT_EQ(*p.At(x, 3), uint8_t((k * *g1.At(x, 3) + (256 - k) * *g2.At(x, 3)) >> 8));
    }
    // A 1-bit and a grey picture give grey, with blue 255 as background 85.
    const PpQnPicture bits = MakePicture(WA_1BIT, 5, 5);
    const Pixels joined = Read(EvalPicture(MakeStitchExpr(Value(bits), Value(grey), 0, 5, 50, 0x00ff0000)));
    EXPECT_EQ(joined.width, 20);
    EXPECT_EQ(*joined.At(10, 0), 85);
    // Grey beside colour gives colour, the grey converted.
    const PpQnPicture colour = MakePicture(WA_RGB24, 4, 4);
    const PpQnPicture mixed = EvalPicture(MakeStitchExpr(Value(grey), Value(colour), 20, 0, 50, 0));
    EXPECT_EQ(mixed->Type(), WA_RGB24);
    const Pixels m = Read(mixed);
    EXPECT_EQ(m.At(3, 3)[0], *g1.At(3, 3));
    EXPECT_EQ(m.At(3, 3)[2], *g1.At(3, 3));
}
