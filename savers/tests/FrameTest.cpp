// Frames at given clock times: the model advanced by the tick clock and the
// frame drawn on a memory device, checked at chosen pixels against the
// effects' definitions.
#include <gtest/gtest.h>

#include "savers/tests/SaverReference.h"
#include "savers/tests/SaverTestSupport.h"

#include "blt/MemoryDC.h"
#include "savers/SaverFrame.h"
#include "savers/WhirlEffect.h"

namespace {

QnColorRef ColourOf(const SaverDib& dib, int32_t x, int32_t y)
{
    const uint8_t* p = dib.Pixel(x, y);
    return QnRGB(p[2], p[1], p[0]);
}

class SaverFrames : public ::testing::Test {
protected:
    // A 120 x 90 picture file, the saver at the given size.
    std::unique_ptr<SaverModel> Model(const SaverProgram& program, int32_t size, int32_t strength = 30)
    {
        WriteWizardBmp(f.Picture("p.bmp"), picture);
        SaverSettings s = f.Settings(program.name);
        s.WriteString(kSaverPath, f.Picture("p.bmp"));
        s.WriteInt(kSaverSize, size);
        s.WriteInt(kSaverWhirl, strength);
        return std::make_unique<SaverModel>(program, s, screen);
    }

    SaverFolder f;
    // Advances the model as an unpunctual timer would: at uneven times up
    // to the clock time at.
    static void RunTo(SaverModel& model, uint32_t start, uint32_t from, uint32_t at)
    {
        for (uint32_t t = from; t < at; t += 37)
            model.Advance(start + t);
        model.Advance(start + at);
    }

    SaverDib picture = PatternDib(120, 90);
    FakeScreen screen{SaverDib(10, 10)};
};

TEST_F(SaverFrames, NothingMovesBeforeTheFirstPeriod)
{
    auto model = Model(SaverProgram::Whirl(), 40);
    model->Start(5000);
    EXPECT_FALSE(model->Advance(5009));
    EXPECT_FALSE(model->Effect().Composed());
    EXPECT_TRUE(model->Advance(5010));
    EXPECT_EQ(model->Effect().Motion().x, 4);  // the first draw of rand() is 41: vx becomes 4
    // Before a square is composed the frame is the picture alone.
    MemoryDC dc(120, 90);
    SaverModel fresh(SaverProgram::Whirl(), f.Settings("WHIRL"), screen);
    SaverFrame::Draw(dc, fresh.Effect(), QnPoint{120, 90});
    EXPECT_EQ(dc.DevicePixel(60, 45), ColourOf(picture, 60, 45));
}

TEST_F(SaverFrames, WhirlFramesAtClockTimesFollowTheDefinition)
{
    auto model = Model(SaverProgram::Whirl(), 40, 30);  // e = 36
    const uint32_t start = 0xFFFFFF00u;                 // the clock wraps on the way
    model->Start(start);
    ReferenceSaver ref{120, 90, 36};
    int32_t ticksDone = 0;
    uint32_t previous = 0;
    for (const uint32_t at : {25u, 999u, 1000u, 4567u}) {
        RunTo(*model, start, previous, at);
        previous = at;
        for (; ticksDone < int32_t(at / 10); ++ticksDone)
            ref.Tick();
        ASSERT_EQ(model->Effect().Motion().x, ref.x) << at;
        ASSERT_EQ(model->Effect().Motion().y, ref.y) << at;
        MemoryDC dc(120, 90);
        SaverFrame::Draw(dc, model->Effect(), QnPoint{120, 90});
        // The centre (never displaced), pixels around it, a corner of the
        // square outside the circle, and a pixel beyond the square.
        for (const auto& [i, j] : {std::pair{18, 18}, {18, 19}, {18, 17}, {10, 22}, {25, 12}, {0, 0}, {35, 35}}) {
            const auto [sx, sy] = ref.WhirlSource(i, j, 30);
            EXPECT_EQ(dc.DevicePixel(ref.x + j, ref.y + i), ColourOf(picture, sx, sy))
                << "at " << at << " ms, square pixel " << i << "," << j;
        }
        const int32_t outsideX = ref.x > 40 ? 5 : 100;
        EXPECT_EQ(dc.DevicePixel(outsideX, 3), ColourOf(picture, outsideX, 3));
    }
}

TEST_F(SaverFrames, ZoomFrameStretchedOverTwiceThePicture)
{
    auto model = Model(SaverProgram::Zoom(), 60);  // e = 54
    model->Start(100);
    RunTo(*model, 100, 0, 3210);
    ReferenceSaver ref{120, 90, 54};
    for (int tick = 0; tick < 321; ++tick)
        ref.Tick();
    ASSERT_EQ(model->Effect().Motion().x, ref.x);
    MemoryDC dc(240, 180);
    SaverFrame::Draw(dc, model->Effect(), QnPoint{240, 180});
    for (const auto& [i, j] : {std::pair{27, 27}, {10, 30}, {40, 20}, {27, 5}, {1, 1}}) {
        const auto [sx, sy] = ref.ZoomSource(i, j);
        EXPECT_EQ(dc.DevicePixel(2 * (ref.x + j), 2 * (ref.y + i)), ColourOf(picture, sx, sy)) << i << "," << j;
        EXPECT_EQ(dc.DevicePixel(2 * (ref.x + j) + 1, 2 * (ref.y + i) + 1), ColourOf(picture, sx, sy));
    }
}

TEST_F(SaverFrames, LongStallRunsOnlyTheLastSteps)
{
    auto model = Model(SaverProgram::Zoom(), 10);
    model->Start(0);
    model->Advance(60000);
    ReferenceSaver ref{120, 90, 9};
    for (uint32_t tick = 0; tick < SaverTicker::kMaxCatchUp; ++tick)
        ref.Tick();
    EXPECT_EQ(model->Effect().Motion().x, ref.x);
    // The next period continues from the clock, not from the stall.
    model->Advance(60010);
    ref.Tick();
    EXPECT_EQ(model->Effect().Motion().x, ref.x);
    EXPECT_FALSE(model->Advance(59000));  // a clock that goes back moves nothing
}

TEST(SaverFrame, EllipticRegionIsTheInscribedDisc)
{
    const QnRgn disc = SaverFrame::EllipticRgn(QnRect{10, 20, 30, 40});
    EXPECT_EQ(disc.box(), (QnRect{10, 20, 30, 40}));
    const auto inside = [&](int32_t x, int32_t y) { return bool(disc * QnRgn(QnRect{x, y, x + 1, y + 1})); };
    EXPECT_TRUE(inside(20, 30));
    EXPECT_TRUE(inside(10, 30));
    EXPECT_TRUE(inside(29, 29));
    EXPECT_TRUE(inside(20, 20));
    EXPECT_FALSE(inside(10, 20));
    EXPECT_FALSE(inside(29, 39));
    EXPECT_FALSE(inside(12, 22));
    EXPECT_TRUE(SaverFrame::EllipticRgn(QnRect{5, 5, 5, 9}).count() == 0);
    EXPECT_EQ(SaverFrame::SquareOnDevice(WhirlEffect(), QnPoint{100, 100}), QnRect{});
}

} // namespace
