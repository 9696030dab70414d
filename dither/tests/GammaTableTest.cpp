#include "dither/GammaTable.h"

#include <gtest/gtest.h>

TEST(GammaTable, HundredIsTheIdentityAndLargerDarkens)
{
    uint8_t t[256];
    QnFillGammaTable(t, 100);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(t[i], i);
    QnFillGammaTable(t, 150);
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[255], 255);
    EXPECT_EQ(t[128], 91); // 255 * (128/255)^1.5 = 90.7
    QnFillGammaTable(t, 0); // meaningless: left as the identity
    EXPECT_EQ(t[128], 128);
}
