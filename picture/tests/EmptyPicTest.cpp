// Empty pictures: opaque black of their rectangle, transparent around it.
#include "PictureTestSupport.h"

#include "picture/EmptyPic.h"
#include "render/tests/ExpectRaise.h"

#include <gtest/gtest.h>

#include <algorithm>

using pictest::RenderRect;

TEST(QnEmptyPicture, OpaqueBlackOfItsSize)
{
    const QnRect rect{10, 10, 150, 90};
    PpQnEmptyPicture empty(rect);
    EXPECT_EQ(empty->GetRect(QnXFormXY()), rect);
    const QnRect around{0, 0, 160, 100};
    const auto colour = RenderRect(PpQnRenderObj(empty), 0, around, 3);
    const auto alpha = RenderRect(PpQnRenderObj(empty), 1, around, 3);
    EXPECT_TRUE(std::all_of(colour.begin(), colour.end(), [](uint8_t v) { return v == 0; }));
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 160; ++x)
            ASSERT_EQ(alpha[size_t(y) * 160 + size_t(x)], rect.Contains(QnPoint{x, y}) ? 255 : 0) << x << ", " << y;

    // Scaled, through the cached stretch.
    const QnXFormXY half(QnXForm(1, 0, 2), QnXForm(1, 0, 2));
    EXPECT_EQ(empty->GetRect(half), (QnRect{5, 5, 75, 45}));
    const auto scaled = RenderRect(PpQnRenderObj(empty), 1, QnRect{0, 0, 80, 50}, 3, half);
    EXPECT_EQ(scaled[size_t(20) * 80 + 20], 255);
    EXPECT_EQ(scaled[size_t(2) * 80 + 2], 0);
}

TEST(QnEmptyPicture, PiecesInsideAndOutside)
{
    PpQnEmptyPicture empty(QnRect{10, 10, 20, 20});
    QnRect got;
    PpQnPixBuf outside = empty->Render(QnXFormXY(), 1, QnPoint{0, 0}, QnRect{0, 0, 30, 30}, &got, nullptr, 0);
    EXPECT_FALSE(QnRectsMeet(got, QnRect{10, 10, 20, 20}));
    EXPECT_TRUE(got.Contains(QnPoint{0, 0}));
    EXPECT_EQ(outside->CRow(0)[0], 0);
    PpQnPixBuf inside = empty->Render(QnXFormXY(), 1, QnPoint{10, 10}, QnRect{0, 0, 15, 30}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{10, 10, 15, 20}));
    EXPECT_EQ(inside->CRow(9)[4], 255);
    EXPECT_RAISES(empty->Render(QnXFormXY(), 3, QnPoint{0, 0}, QnRect{0, 0, 1, 1}, nullptr, nullptr, 0),
                  "Bad plane request");
}
