// The cells that stand for the brush's values, both ways.
#include <gtest/gtest.h>

#include "editor/loadable/ToolParams.h"
#include "tasks/module/panels/LdBrushFields.h"

TEST(BrushFields, SizesMapToFourStepsAndBack)
{
    const struct {
        int32_t size;
        int index;
    } sizes[] = {{1, 0}, {15, 1}, {35, 2}, {51, 3}, {20, 3}, {0, 3}, {-15, 3}, {1000, 3}};
    for (const auto& c : sizes)
        EXPECT_EQ(LdBrushSizeIndex(c.size), c.index) << c.size;
    const int32_t steps[] = {1, 15, 35, 51};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(LdBrushSizeOfIndex(i), steps[i]);
}

TEST(BrushFields, EachFieldIsWrittenAndReadByItsIndexAlone)
{
    // From shape 1, smoothness 2, size 20, type 3.
    const struct {
        LdBrushField field;
        int index;
        int32_t shape, smooth, size, type;
    } cases[] = {
        {LdBrushField::Shape, 3, 3, 2, 20, 3},
        {LdBrushField::Size, 0, 1, 2, 1, 3},
        {LdBrushField::Size, 2, 1, 2, 35, 3},
        {LdBrushField::Smooth, 0, 1, 0, 20, 3},
        {LdBrushField::Type, 4, 1, 2, 20, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.field) * 10 + c.index);
        CBrushParams brush;
        brush.shape = 1;
        brush.smooth = 2;
        brush.size = 20;
        brush.color = 0x123456;
        brush.mode = 3;
        LdSetBrushValueIndex(brush, c.field, c.index);
        EXPECT_EQ(LdBrushValueIndex(brush, c.field), c.index);
        EXPECT_EQ(brush.shape, c.shape);
        EXPECT_EQ(brush.smooth, c.smooth);
        EXPECT_EQ(brush.size, c.size);
        EXPECT_EQ(brush.mode, c.type);
        EXPECT_EQ(brush.color, 0x123456u) << "the fourth field is never touched";
    }
}
