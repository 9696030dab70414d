// Plain row access: strides of written rectangles, rows written back into
// the picture, and reading a colour source as one byte a pixel.
#include "editor/operations/PictureRowAccess.h"
#include "picture/Picture.h"

#include <gtest/gtest.h>

TEST(PictureRowAccess, WritesRowsBackWithThePicturesOwnStride)
{
    struct Case {
        int type;
        int32_t stride;
    };
    for (const Case c : {Case{16, 30}, Case{8, 10}}) {
        const PpQnPicture p(20, 10, c.type, nullptr);
        const QnRect r{3, 2, 13, 6};
        {
            PictureRowAccess rows(p, r);
            EXPECT_EQ(rows.Stride(), c.stride);
            for (int32_t y = 0; y < 4; ++y)
                for (int32_t i = 0; i < c.stride; ++i)
                    rows.Row(y)[i] = uint8_t(y * 40 + i);
        }
        const int bpp = c.type == 16 ? 3 : 1;
        unsigned char line[64];
        p->GetRow(0, 0, 10 - 1 - 3, line);  // rows are bottom-up; picture row 3 is rectangle row 1
        EXPECT_EQ(line[3 * bpp], 40);
        EXPECT_EQ(line[3 * bpp + 1], 41);
        EXPECT_EQ(line[2 * bpp], 0);  // left of the rectangle: untouched
    }
}

TEST(PictureRowAccess, ReadsAColourSourceAsGreyBytes)
{
    const PpQnPicture p(4, 2, 0x00306090u);  // red 0x90, green 0x60, blue 0x30
    const PictureRowAccess grey(PpQnRenderObj(p), 1, QnRect{1, 0, 3, 2});
    EXPECT_GE(grey.Stride(), 2);
    EXPECT_EQ(grey.Row(1)[1], (0x90 + 0x60 + 0x30) / 3);
    const PictureRowAccess colour(PpQnRenderObj(p), 3, QnRect{0, 0, 4, 2});
    EXPECT_EQ(colour.Row(0)[0], 0x30);
    EXPECT_EQ(colour.Row(0)[2], 0x90);
}
