// A render object seen moved: its rectangle and every piece it renders
// move by the offset, the pixels stay the source's.
#include <gtest/gtest.h>

#include "editor/operations/ShiftedObj.h"
#include "picture/Picture.h"
#include "render/FillRenderObj.h"

TEST(ShiftedObj, MovesRectanglesNotPixels)
{
    PpQnPicture grey(70, 10, WA_GRAY, nullptr);
    std::vector<uint8_t> row(70);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 70; ++x)
            row[size_t(x)] = uint8_t(x + 10 * y);
        grey->SetRow(0, 0, 9 - y, row.data());
    }
    const PpQnShiftedObj shifted(PpQnRenderObj(grey), 5, -3);
    EXPECT_EQ(shifted->GetRect(QnXFormXY()), (QnRect{5, -3, 75, 7}));

    // A piece at the anchor (70, 0): source pixel (65, 3).
    QnRect got;
    const PpQnPixBuf piece = shifted->Render(QnXFormXY(), 0, QnPoint{70, 0}, QnRect{60, -3, 75, 7}, &got, nullptr, 0);
    EXPECT_TRUE(got.Contains(QnPoint{70, 0}));
    EXPECT_EQ(piece->GetRect(), got);
    EXPECT_EQ(piece->CRow(0 - got.top)[70 - got.left], uint8_t(65 + 30));
    QnRect only;
    shifted->Render(QnXFormXY(), 0, QnPoint{70, 0}, QnRect{60, -3, 75, 7}, &only, nullptr, 1);
    EXPECT_EQ(only, got);

    // Whole rows through a fill: every pixel lands offset.
    const QnFillRenderObj::PlaneFmt format{1, 1, 1};
    const PpQnFillRenderObj fill(PpQnRenderObj(shifted), 1, &format);
    const PpQnPixBuf all = fill->RenderRect(QnXFormXY(), 0, QnRect{5, -3, 75, 7}, nullptr);
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 70; x += 23)
            EXPECT_EQ(all->CRow(y)[x], uint8_t(x + 10 * y)) << x << "," << y;
}
