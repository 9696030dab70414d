#include "render/StretchRenderObj.h"

#include "ExpectRaise.h"
#include "RecordingProgress.h"
#include "TestRenderObjs.h"
#include "render/FillRenderObj.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rendertest;

namespace {

const QnXFormXY kIdentity;
const QnStretchRenderObj::PlaneFmt kFormats[] = {{3, 1, 3, 1}, {1, 1, 1, 1}};
const QnFillRenderObj::PlaneFmt kFillFormats[] = {{3, 1, 3}, {1, 1, 1}};

PpQnStretchRenderObj StretchOf(const PpQnRenderObj& source, const QnXForm& x, const QnXForm& y)
{
    return PpQnStretchRenderObj(QnXFormXY(x, y), 0, source, 2, kFormats, PpQnPixConverter(PpQnPixConverter::TAG{}), -1);
}

// The whole destination rectangle r of obj, assembled by a fill.
PpQnPixBuf Whole(const PpQnRenderObj& obj, int plane, const QnRect& r, QnRenderProgress* progress = nullptr)
{
    return PpQnFillRenderObj(obj, 2, kFillFormats)->RenderRect(kIdentity, plane, r, progress);
}

} // namespace

// Nearest-sample scaling must give, pixel for pixel, the source pixel
// floor((x + 1/2) * source / target) on each axis.
TEST(QnStretchRenderObj, NearestSampleAtEveryFactor)
{
    const int32_t width = 90, height = 60;
    auto source = MakeMem(width, height, 32);
    const struct {
        int32_t num, den;
    } factors[] = {{1, 3}, {1, 2}, {2, 3}, {1, 1}, {3, 2}, {2, 1}, {7, 1}};
    for (const auto& fx : factors) {
        const auto& fy = factors[(&fx - factors + 2) % 7]; // a different factor down
        const int32_t tw = width * fx.num / fx.den, th = height * fy.num / fy.den;
        SCOPED_TRACE(::testing::Message() << width << "x" << height << " -> " << tw << "x" << th);
        auto stretch = StretchOf(PpQnRenderObj(source), QnXForm(tw, 0, width), QnXForm(th, 0, height));
        EXPECT_EQ(stretch->GetRect(kIdentity), (QnRect{0, 0, tw, th}));
        for (int plane : {0, 1}) {
            PpQnPixBuf buf = Whole(PpQnRenderObj(stretch), plane, QnRect{0, 0, tw, th});
            const int32_t bytes = BytesOf(plane);
            for (int32_t y = 0; y < th; ++y) {
                const int32_t sy = int32_t((2 * int64_t(y) + 1) * height / (2 * int64_t(th)));
                for (int32_t x = 0; x < tw; ++x) {
                    const int32_t sx = int32_t((2 * int64_t(x) + 1) * width / (2 * int64_t(tw)));
                    for (int k = 0; k < bytes; ++k)
                        ASSERT_EQ(buf->CRow(y)[x * bytes + k], source->Pixel(plane, sx, sy, k))
                            << x << "," << y << " plane " << plane;
                }
            }
        }
    }
}

TEST(QnStretchRenderObj, EnlargeAndReduceByTwoPickCentres)
{
    auto source = MakeMem(16, 4, 8);
    auto twice = StretchOf(PpQnRenderObj(source), QnXForm(2, 0, 1), QnXForm());
    PpQnPixBuf up = Whole(PpQnRenderObj(twice), 1, QnRect{0, 0, 4, 1});
    EXPECT_EQ((std::vector<uint8_t>(up->CRow(0), up->CRow(0) + 4)),
              (std::vector<uint8_t>{AlphaByte(0, 0), AlphaByte(0, 0), AlphaByte(1, 0), AlphaByte(1, 0)}));
    auto half = StretchOf(PpQnRenderObj(source), QnXForm(1, 0, 2), QnXForm());
    PpQnPixBuf down = Whole(PpQnRenderObj(half), 1, QnRect{0, 0, 4, 1});
    EXPECT_EQ((std::vector<uint8_t>(down->CRow(0), down->CRow(0) + 4)),
              (std::vector<uint8_t>{AlphaByte(1, 0), AlphaByte(3, 0), AlphaByte(5, 0), AlphaByte(7, 0)}));
}

TEST(QnStretchRenderObj, AnswersInBlocksOf64)
{
    auto source = MakeMem(400, 100, 32);
    auto stretch = StretchOf(PpQnRenderObj(source), QnXForm(3, 0, 2), QnXForm(3, 0, 2));
    QnRect got;
    stretch->Render(kIdentity, 0, QnPoint{0, 0}, QnRect{0, 0, 100, 30}, &got, nullptr, 1);
    EXPECT_EQ(got, (QnRect{0, 0, 64, 30}));
    stretch->Render(kIdentity, 0, QnPoint{70, 0}, QnRect{0, 0, 100, 30}, &got, nullptr, 1);
    EXPECT_EQ(got, (QnRect{36, 0, 100, 30}));
    EXPECT_TRUE(source->requests.empty()); // sizing a block renders nothing
}

TEST(QnStretchRenderObj, IdentityPassesTheRequestToTheSource)
{
    auto source = MakeMem(100, 100, 32);
    auto same = StretchOf(PpQnRenderObj(source), QnXForm(), QnXForm());
    QnRect got;
    PpQnPixBuf buf = same->Render(kIdentity, 0, QnPoint{40, 40}, QnRect{0, 0, 100, 100}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{32, 32, 64, 64})); // the source's tile, not a 64-block
    EXPECT_EQ(source->requests, (std::vector<QnRect>{{0, 0, 100, 100}}));
    buf->Row(0)[0] = 1; // the caller's own copy
    EXPECT_EQ(source->Pixel(0, 32, 32, 0), ColourByte(32, 32, 0));
}

TEST(QnStretchRenderObj, StrongReductionAsksOnlyForThePixelsItNeeds)
{
    auto source = MakeMem(1024, 1024, 1024);
    auto eighth = StretchOf(PpQnRenderObj(source), QnXForm(1, 0, 8), QnXForm(1, 0, 8));
    Whole(PpQnRenderObj(eighth), 0, QnRect{10, 20, 14, 24});
    ASSERT_EQ(source->requests.size(), 1u);
    EXPECT_EQ(source->requests[0], (QnRect{80, 160, 112, 192}));
}

TEST(QnStretchRenderObj, ProgressReachesTheEndOnceAndAbortStopsBetweenRows)
{
    auto source = MakeMem(100, 90, 32);
    auto stretch = StretchOf(PpQnRenderObj(source), QnXForm(5, 0, 2), QnXForm(5, 0, 2));
    RecordingProgress progress(1000);
    Whole(PpQnRenderObj(stretch), 0, QnRect{0, 0, 250, 225}, &progress);
    ASSERT_FALSE(progress.positions.empty());
    EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
    EXPECT_EQ(progress.positions.back(), 1000);
    EXPECT_EQ(std::count(progress.positions.begin(), progress.positions.end(), 1000), 1);
    EXPECT_EQ(progress.texts.front(), "Stretching");

    RecordingProgress aborting(1000);
    aborting.abortAfter = 100;
    EXPECT_RAISES(Whole(PpQnRenderObj(stretch), 0, QnRect{0, 0, 250, 225}, &aborting), "User abort");
    EXPECT_EQ(aborting.queries, 101);
}

TEST(QnStretchRenderObj, SourceThatBreaksTheProtocolRaisesInsteadOfLooping)
{
    for (Breach breach : {Breach::AnchorMissing, Breach::Nothing, Breach::ShortPixels}) {
        SCOPED_TRACE(int(breach));
        auto stretch = StretchOf(PpQnRenderObj(QnCreate<BrokenRenderObj>(breach)), QnXForm(2, 0, 1), QnXForm(2, 0, 1));
        EXPECT_RAISES(Whole(PpQnRenderObj(stretch), 0, QnRect{0, 0, 30, 20}), "Bad rectangle request");
    }
}

TEST(QnStretchRenderObj, ConstructionAndQueries)
{
    auto source = MakeMem(10, 10, 8, 1);
    QnStretchRenderObj::PlaneFmt many[11] = {};
    const PpQnPixConverter null(PpQnPixConverter::TAG{});
    EXPECT_RAISES(PpQnStretchRenderObj(QnXFormXY(), 0, PpQnRenderObj(source), 11, many, null, -1),
                  "Bad number of planes");
    EXPECT_RAISES(PpQnStretchRenderObj(QnXFormXY(QnXForm(0, 0, 1), QnXForm()), 0, PpQnRenderObj(source), 1, many,
                                       null, -1),
                  "Bad transformation factor");
    auto stretch = PpQnStretchRenderObj(QnXFormXY(QnXForm(1, 0, 2), QnXForm(3, 0, 1)), 0x201, PpQnRenderObj(source),
                                        2, kFormats, null, -1);
    EXPECT_EQ(stretch->XMethod(), 1);
    EXPECT_EQ(stretch->YMethod(), 2);
    EXPECT_RAISES(stretch->Render(kIdentity, 2, QnPoint{0, 0}, QnRect{0, 0, 4, 4}, nullptr, nullptr, 0),
                  "Bad plane request");
    EXPECT_EQ(stretch->GetRect(kIdentity), (QnRect{0, 0, 5, 30}));
    EXPECT_EQ(stretch->GetNativeRender().Get(), stretch.Get());

    // Stretches of one source compare equal only at one scale.
    auto same = StretchOf(PpQnRenderObj(source), QnXForm(1, 0, 2), QnXForm(3, 0, 1));
    auto other = StretchOf(PpQnRenderObj(source), QnXForm(1, 0, 2), QnXForm(2, 0, 1));
    EXPECT_EQ(stretch->Compare(PpQnFlVal(same.Get())), 0);
    EXPECT_NE(stretch->Compare(PpQnFlVal(other.Get())), 0);
    EXPECT_EQ(stretch->Compare(PpQnFlVal(other.Get())), -other->Compare(PpQnFlVal(stretch.Get())));
}

TEST(QnStretchRenderObj, MirroredAxisSamplesFromTheOtherEnd)
{
    auto source = MakeMem(8, 2, 8);
    auto mirror = StretchOf(PpQnRenderObj(source), QnXForm(-2, 16, 1), QnXForm());
    EXPECT_EQ(mirror->GetRect(kIdentity), (QnRect{0, 0, 16, 2}));
    PpQnPixBuf buf = Whole(PpQnRenderObj(mirror), 1, QnRect{0, 0, 16, 2});
    for (int32_t x = 0; x < 16; ++x)
        EXPECT_EQ(buf->CRow(1)[x], AlphaByte(7 - x / 2, 1)) << x;
}
