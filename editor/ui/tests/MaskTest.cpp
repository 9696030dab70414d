// The mask surface: exact coverage of rectangles and regions in the bytes
// of a bottom-up DIB, the average of a supersampled drawing, smoothing,
// brush shapes and text.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <vector>

#include "base/QnExcept.h"
#include "editor/ui/LdMask.h"
#include "render/Rgn.h"

namespace {

// The byte at (x, y) of the picture as seen: rows are stored bottom-up.
uint8_t At(const CLdMask& mask, int x, int y)
{
    const int h = mask.GetSize().height();
    return mask.GetBits()[size_t(h - 1 - y) * size_t(mask.GetRowBytes()) + size_t(x)];
}

// The mask as rows of the picture as seen.
std::vector<std::vector<uint8_t>> Rows(const CLdMask& mask)
{
    std::vector<std::vector<uint8_t>> rows(size_t(mask.GetSize().height()));
    for (int y = 0; y < mask.GetSize().height(); ++y)
        for (int x = 0; x < mask.GetSize().width(); ++x)
            rows[size_t(y)].push_back(At(mask, x, y));
    return rows;
}

}  // namespace

TEST(LdMask, BitsAreBottomUpRowsPaddedToFourBytes)
{
    CLdMask mask;
    mask.Begin(5, 3, false, 1);
    ASSERT_TRUE(mask.PatBlt(0, 0, 5, 1, LD_BLACKNESS));  // the top row as seen
    mask.End();
    EXPECT_EQ(mask.GetRowBytes(), 8);
    EXPECT_EQ(mask.GetSize(), QSize(5, 3));
    const uint8_t* bits = mask.GetBits();
    // Memory row 2 is the top row as seen; padding is never drawn on.
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(bits[2 * 8 + x], 0);
        EXPECT_EQ(bits[0 * 8 + x], 255);
    }
    for (int x = 5; x < 8; ++x)
        EXPECT_EQ(bits[2 * 8 + x], 255);
}

struct RectCase {
    const char* name;
    int x, y, w, h;
    uint32_t rop;
    QnRect covered;  // where the result differs from white
    uint8_t value;
};
void PrintTo(const RectCase& c, std::ostream* os)
{
    *os << c.name;
}

class MaskRects : public ::testing::TestWithParam<RectCase> {};

TEST_P(MaskRects, CoverExactlyTheirPixels)
{
    const RectCase& c = GetParam();
    CLdMask mask;
    mask.Begin(10, 8, false, 1);
    ASSERT_TRUE(mask.PatBlt(c.x, c.y, c.w, c.h, c.rop));
    mask.End();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(At(mask, x, y), c.covered.Contains(QnPoint{x, y}) ? c.value : 255) << c.name << " " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskRects,
    ::testing::Values(RectCase{"inside", 2, 1, 3, 4, LD_BLACKNESS, QnRect{2, 1, 5, 5}, 0},
                      RectCase{"clipped at the edges", -3, 6, 20, 5, LD_BLACKNESS, QnRect{0, 6, 10, 8}, 0},
                      RectCase{"negative sizes go left and up", 5, 5, -2, -3, LD_BLACKNESS, QnRect{3, 2, 5, 5}, 0},
                      RectCase{"inverted white", 1, 1, 2, 2, LD_DSTINVERT, QnRect{1, 1, 3, 3}, 0},
                      RectCase{"white pattern inverts", 7, 0, 3, 1, LD_PATINVERT, QnRect{7, 0, 10, 1}, 0},
                      RectCase{"whiteness", 0, 0, 10, 8, LD_WHITENESS, QnRect{}, 255},
                      RectCase{"empty", 4, 4, 0, 3, LD_BLACKNESS, QnRect{}, 0}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(LdMask, RefusesOperationsThatNeedASourceAndDrawingOutsideBeginEnd)
{
    CLdMask mask;
    EXPECT_FALSE(mask.PatBlt(0, 0, 1, 1, LD_BLACKNESS));  // no Begin yet
    mask.Begin(4, 4, false, 1);
    EXPECT_FALSE(mask.PatBlt(0, 0, 4, 4, 0x00CC0020));     // SRCCOPY
    mask.End();
    EXPECT_FALSE(mask.PatBlt(0, 0, 4, 4, LD_BLACKNESS));
    EXPECT_EQ(At(mask, 0, 0), 255);
}

TEST(LdMask, RegionsFillTheirRectanglesWithTheGrey)
{
    CLdMask mask;
    mask.Begin(12, 6, true, 3);  // regions are never scaled
    const QnRgn rgn = QnRgn(QnRect{1, 1, 6, 4}) + QnRgn(QnRect{4, 2, 10, 5});
    ASSERT_TRUE(mask.FillRgn(rgn, 0));
    mask.End();
    // The region lands on the larger surface as it is, so in the mask it
    // covers a third as much: scaled pixel (sx, sy) was drawn when the
    // region holds it, and each mask pixel averages 3 x 3 of them.
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 12; ++x) {
            int drawn = 0;
            for (int sy = 3 * y; sy < 3 * y + 3; ++sy)
                for (int sx = 3 * x; sx < 3 * x + 3; ++sx)
                    drawn += rgn.from_point(QnPoint{sx, sy}).IsEmpty() ? 0 : 1;
            ASSERT_EQ(At(mask, x, y), (9 - drawn) * 255 / 9) << x << "," << y;
        }
    }

    mask.Begin(12, 6, false, 1);
    ASSERT_TRUE(mask.FillRgn(rgn, 100));
    mask.End();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(At(mask, x, y), rgn.from_point(QnPoint{x, y}).IsEmpty() ? 255 : 100) << x << "," << y;
}

TEST(LdMask, SupersampledHalfBlockAveragesTo127)
{
    CLdMask mask;
    mask.Begin(2, 2, true, 4);
    ASSERT_TRUE(mask.PatBlt(0, 0, 1, 1, LD_WHITENESS));
    // Half of the top-left 4 x 4 block: rows 0 and 1 of the larger surface.
    ASSERT_TRUE(mask.FillRgn(QnRgn(QnRect{0, 0, 4, 2}), 0));
    mask.End();
    EXPECT_EQ(At(mask, 0, 0), 127);  // 8 * 255 / 16
    EXPECT_EQ(At(mask, 1, 0), 255);
    EXPECT_EQ(At(mask, 0, 1), 255);
}

TEST(LdMask, SupersampledDrawingMatchesTheAverageOfTheLargeDrawing)
{
    // The same rectangles drawn at scale 3 into a mask three times the size,
    // and averaged here, give the supersampled mask byte for byte.
    const int w = 9, h = 7, s = 3;
    struct Op {
        int x, y, w, h;
        uint32_t rop;
    };
    const std::vector<Op> ops{{1, 1, 5, 3, LD_BLACKNESS}, {3, 2, 4, 4, LD_DSTINVERT}, {0, 5, 9, 1, LD_BLACKNESS}};

    CLdMask large;
    large.Begin(w * s, h * s, false, 1);
    for (const Op& op : ops)
        large.PatBlt(op.x * s, op.y * s, op.w * s, op.h * s, op.rop);
    // Soft edges: a region at the larger scale only.
    large.FillRgn(QnRgn(QnRect{4, 13, 20, 14}), 0);
    large.End();

    CLdMask mask;
    mask.Begin(w, h, true, s);
    for (const Op& op : ops)
        mask.PatBlt(op.x, op.y, op.w, op.h, op.rop);
    mask.FillRgn(QnRgn(QnRect{4, 13, 20, 14}), 0);
    mask.End();

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int sy = 0; sy < s; ++sy)
                for (int sx = 0; sx < s; ++sx)
                    sum += At(large, x * s + sx, y * s + sy);
            ASSERT_EQ(At(mask, x, y), sum / (s * s)) << x << "," << y;
        }
    }
}

TEST(LdMask, KeepsItsBitsForTheSameSizeWithoutSupersampling)
{
    CLdMask mask;
    mask.Begin(20, 10, false, 1);
    mask.PatBlt(0, 0, 20, 10, LD_BLACKNESS);
    mask.End();
    const uint8_t* first = mask.GetBits();
    mask.Begin(20, 10, false, 1);
    EXPECT_EQ(mask.GetBits(), first);
    mask.End();
    EXPECT_EQ(At(mask, 5, 5), 255);  // painted white again

    mask.Begin(20, 10, true, 2);
    mask.End();
    mask.Begin(20, 10, false, 1);  // a larger surface was held: made anew
    mask.End();
    EXPECT_EQ(At(mask, 19, 9), 255);
}

TEST(LdMask, RefusesSizesItCannotHold)
{
    CLdMask mask;
    EXPECT_THROW(mask.Begin(0, 5, false, 1), QnExcept);
    EXPECT_THROW(mask.Begin(5, -1, false, 1), QnExcept);
    EXPECT_THROW(mask.Begin(5, 5, true, 0), QnExcept);
    EXPECT_THROW(mask.Begin(1 << 20, 1 << 20, false, 1), QnExcept);
    EXPECT_THROW(mask.Begin(1 << 16, 1 << 16, true, 1 << 16), QnExcept);
    EXPECT_FALSE(mask.IsDrawing());
}

TEST(LdMask, SmoothRadiusAndBoxAverage)
{
    CLdMask mask;
    mask.Begin(70, 30, false, 1);
    EXPECT_EQ(mask.SmoothRadius(0), 0);
    EXPECT_EQ(mask.SmoothRadius(1), 10);
    EXPECT_EQ(mask.SmoothRadius(2), 14);
    EXPECT_EQ(mask.SmoothRadius(3), 23);
    EXPECT_EQ(mask.SmoothRadius(9), 23);
    mask.PatBlt(35, 15, 1, 1, LD_BLACKNESS);
    mask.End();

    const auto drawn = Rows(mask);
    mask.Smooth(0);
    EXPECT_EQ(Rows(mask), drawn);

    // Level 1 averages over 11 x 11 boxes: one black pixel darkens exactly
    // the box of side 11 round it, each by 255 / 121.
    mask.Smooth(1);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 70; ++x) {
            const bool inBox = std::abs(x - 35) <= 5 && std::abs(y - 15) <= 5;
            ASSERT_EQ(At(mask, x, y), inBox ? 120 * 255 / 121 : 255) << x << "," << y;
        }
}

TEST(LdMask, SmoothCountsSamplesBeyondTheEdgesAsWhite)
{
    CLdMask mask;
    mask.Begin(14, 6, false, 1);  // level 1: radius 2 / 2 = 1, 3 x 3 boxes
    mask.PatBlt(0, 0, 14, 6, LD_BLACKNESS);
    mask.End();
    mask.Smooth(1);
    EXPECT_EQ(At(mask, 0, 0), 5 * 255 / 9);   // corner: 5 of 9 samples outside
    EXPECT_EQ(At(mask, 13, 5), 5 * 255 / 9);
    EXPECT_EQ(At(mask, 6, 0), 3 * 255 / 9);   // edge: 3 outside
    EXPECT_EQ(At(mask, 6, 3), 0);
}

TEST(LdMask, ShapeCellIsStretchedIntoTheInsetMaskAndKeepsThinLines)
{
    // A strip of two 8 x 8 cells: cell 0 empty, cell 1 a one-pixel cross.
    QImage strip(8, 16, QImage::Format_Grayscale8);
    strip.fill(255);
    for (int i = 0; i < 8; ++i) {
        strip.setPixel(3, 8 + i, qRgb(0, 0, 0));
        strip.setPixel(i, 8 + 5, qRgb(0, 0, 0));
    }

    CLdMask mask;
    mask.Begin(4, 4, false, 1);
    mask.PatBlt(0, 0, 4, 4, LD_BLACKNESS);  // the shape paints over everything
    ASSERT_TRUE(mask.DrawShapeCell(strip, 1, 0));
    mask.End();
    // Shrinking by two keeps black: column 3 falls on column 1, row 5 on row 2.
    const std::vector<std::vector<uint8_t>> expected{
        {255, 0, 255, 255}, {255, 0, 255, 255}, {0, 0, 0, 0}, {255, 0, 255, 255}};
    EXPECT_EQ(Rows(mask), expected);

    mask.Begin(4, 4, false, 1);
    EXPECT_FALSE(mask.DrawShapeCell(strip, 2, 0));  // no third cell
    EXPECT_FALSE(mask.DrawShapeCell(strip, -1, 0));
    mask.End();
}

TEST(LdMask, ShapeCellGrowsByRepeatingAndIsInsetBySmoothRadius)
{
    QImage strip(2, 2, QImage::Format_Grayscale8);
    strip.fill(0);
    CLdMask mask;
    mask.Begin(14, 14, false, 1);
    // Level 1: inset 14 / 7 = 2, then 3 x 3 box smoothing.
    ASSERT_TRUE(mask.DrawShapeCell(strip, 0, 1));
    mask.End();
    EXPECT_EQ(At(mask, 7, 7), 0);
    EXPECT_EQ(At(mask, 0, 0), 255);
    EXPECT_EQ(At(mask, 2, 2), 5 * 255 / 9);  // corner of the black square
    EXPECT_EQ(At(mask, 1, 7), 2 * 255 / 3);  // beside its edge

    // Supersampled, the shape is drawn large and smoothed once averaged.
    CLdMask large;
    large.Begin(14, 14, true, 2);
    ASSERT_TRUE(large.DrawShapeCell(strip, 0, 1));
    large.End();
    EXPECT_EQ(Rows(large), Rows(mask));
}

TEST(LdMask, TextCoversOnlyItsBoundingBox)
{
    for (const bool supersample : {false, true}) {
        const int s = supersample ? 2 : 1;
        CLdMask mask;
        CLdLogFont font;
        font.height = -24 * s;
        font.faceName = "Arial";
        mask.SelectFont(font);
        mask.Begin(120, 40, supersample, s);
        const QnRect r{10, 5, 110, 35};
        const uint32_t format = LD_DT_CENTER | LD_DT_VCENTER | LD_DT_SINGLELINE;
        const int32_t height = mask.DrawText("Mask", r, format);
        mask.End();
        EXPECT_GT(height, 20 * s);

        // Where Qt lays the text out in the (larger) surface, in mask pixels.
        const QFontMetrics metrics(LdMakeFont(font));
        const QRect laidOut = metrics.boundingRect(QRect(r.left * s, r.top * s, 100 * s, 30 * s),
                                                   Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, "Mask");
        const QRect inked = metrics.tightBoundingRect("Mask");
        ASSERT_LE(inked.width(), laidOut.width());
        int black = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                const uint8_t v = At(mask, x, y);
                const QRect pixel(x * s, y * s, s, s);
                if (v < 255) {
                    ++black;
                    ASSERT_TRUE(laidOut.intersects(pixel)) << supersample << " " << x << "," << y;
                }
            }
        }
        EXPECT_GT(black, 60);
        if (supersample) {
            // Soft edges: some pixels are partly covered.
            int grey = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 120; ++x)
                    grey += At(mask, x, y) > 0 && At(mask, x, y) < 255;
            EXPECT_GT(grey, 10);
        }
    }
}

TEST(LdMask, TextOutsideItsRectangleIsClippedUnlessNoClip)
{
    CLdLogFont font;
    font.height = -30;
    font.faceName = "Times New Roman";
    CLdMask mask;
    mask.SelectFont(font);
    mask.Begin(60, 40, false, 1);
    mask.DrawText("WW", QnRect{0, 0, 10, 40}, LD_DT_LEFT | LD_DT_SINGLELINE);
    mask.End();
    for (int y = 0; y < 40; ++y)
        for (int x = 10; x < 60; ++x)
            ASSERT_EQ(At(mask, x, y), 255) << x << "," << y;

    mask.Begin(60, 40, false, 1);
    mask.DrawText("WW", QnRect{0, 0, 10, 40}, LD_DT_LEFT | LD_DT_SINGLELINE | LD_DT_NOCLIP);
    mask.End();
    int beyond = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 10; x < 60; ++x)
            beyond += At(mask, x, y) < 255;
    EXPECT_GT(beyond, 0);
}
