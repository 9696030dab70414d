#include "render/RenderProgress.h"

#include "RecordingProgress.h"

#include <gtest/gtest.h>

TEST(QnRenderProgress, PositionsRunFromZeroToN)
{
    RecordingProgress p(1000);
    p.SetTotal(8);
    for (int i = 0; i <= 8; ++i)
        p.SetCurrent(i);
    EXPECT_EQ(p.positions, (std::vector<int32_t>{0, 125, 250, 375, 500, 625, 750, 875, 1000}));
}

TEST(QnRenderProgress, NestedScalesMapIntoTheirRange)
{
    RecordingProgress p(1000);
    {
        QnRenderProgress::Scale outer(&p, 0, 50, 100);
        QnRenderProgress::Scale inner(&p, 50, 100, 100);
        p.SetTotal(2);
        p.SetCurrent(1); // half of the inner range: 37.5 % of the whole
        p.SetCurrent(2);
    }
    p.SetCurrent(1); // the outer map and total are back
    EXPECT_EQ(p.positions, (std::vector<int32_t>{375, 500, 1000}));
}

TEST(QnRenderProgress, ScaleRestoresTheEnclosingTotal)
{
    RecordingProgress p(100);
    p.SetTotal(4);
    {
        QnRenderProgress::Scale s(&p, 1, 2, 4);
        p.SetTotal(1000);
    }
    EXPECT_EQ(p.GetTotal(), 4);
    p.SetCurrent(3);
    EXPECT_EQ(p.positions, (std::vector<int32_t>{75}));
}

TEST(QnRenderProgress, NullScaleDoesNothingAndHugeCountsStillMap)
{
    QnRenderProgress::Scale none(nullptr, 0, 1, 0);
    RecordingProgress p(100);
    const int64_t total = int64_t(50000) * 50000;
    {
        QnRenderProgress::Scale s(&p, total / 2, total, total);
        p.SetTotal(10);
        p.SetCurrent(0);
        p.SetCurrent(10);
    }
    EXPECT_EQ(p.positions, (std::vector<int32_t>{50, 100}));
}

TEST(QnRenderProgress, RepeatedPositionIsShownOnce)
{
    RecordingProgress p(10);
    p.SetTotal(100);
    for (int i = 0; i <= 100; ++i)
        p.SetCurrent(i);
    ASSERT_EQ(p.positions.size(), 11u);
    EXPECT_EQ(p.positions.back(), 10);
    p.SetTotal(0); // an empty job counts as one step
    p.SetCurrent(1);
    EXPECT_EQ(p.positions.size(), 11u);
}
