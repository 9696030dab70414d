#include "render/FillRenderObj.h"

#include "render/Rgn.h"

#include "ExpectRaise.h"
#include "RecordingProgress.h"
#include "TestRenderObjs.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rendertest;

namespace {

const QnXFormXY kIdentity;
const QnFillRenderObj::PlaneFmt kFormats[] = {{3, 1, 3}, {1, 1, 1}};

PpQnFillRenderObj FillOf(const PpQnRenderObj& source) { return PpQnFillRenderObj(source, 2, kFormats); }

// Checks every pixel of buf against the test picture (blank outside it).
void ExpectPicture(const PpQnPixBuf& buf, int plane, int32_t width, int32_t height)
{
    const QnRect& r = buf->GetRect();
    const int32_t bytes = BytesOf(plane);
    for (int32_t y = r.top; y < r.bottom; ++y)
        for (int32_t x = r.left; x < r.right; ++x)
            for (int k = 0; k < bytes; ++k) {
                const bool inside = 0 <= x && x < width && 0 <= y && y < height;
                const uint8_t want = !inside ? 0 : plane == 0 ? ColourByte(x, y, k) : AlphaByte(x, y);
                ASSERT_EQ(buf->CRow(y - r.top)[(x - r.left) * bytes + k], want) << x << "," << y << " plane " << plane;
            }
}

} // namespace

TEST(QnFillRenderObj, AssemblesTheRequestFromTilesWithProgressOnce)
{
    auto source = MakeMem(200, 200, 64);
    auto fill = FillOf(PpQnRenderObj(source));
    RecordingProgress progress(1000);
    QnRect got;
    PpQnPixBuf buf = fill->Render(kIdentity, 0, QnPoint{0, 0}, QnRect{0, 0, 100, 70}, &got, &progress, 0);
    EXPECT_EQ(got, (QnRect{0, 0, 100, 70}));
    EXPECT_EQ(buf->GetRowBytes(), 300);
    ExpectPicture(buf, 0, 200, 200);
    EXPECT_EQ(source->requests.size(), 4u); // four tile pieces
}

TEST(QnFillRenderObj, HandsOverEachPieceOnceUntilTheRequestIsCovered)
{
    auto source = MakeMem(200, 200, 64);
    auto fill = FillOf(PpQnRenderObj(source));
    const QnRect request{10, 20, 150, 100};
    QnRgn covered;
    int pieces = 0;
    fill->RenderPieces(kIdentity, 0, request, nullptr, [&](const QnPixBuf& pixels, const QnRect& part) {
        ++pieces;
        EXPECT_EQ(QnIntersectRect(part, request), part);
        EXPECT_FALSE(covered * QnRgn(part)) << "handed over twice";
        covered += QnRgn(part);
        const QnRect& from = pixels.GetRect();
        for (int32_t y = part.top; y < part.bottom; ++y)
            for (int32_t x = part.left; x < part.right; ++x)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(pixels.CRow(y - from.top)[(x - from.left) * 3 + k], ColourByte(x, y, k)) << x << "," << y;
    });
    EXPECT_FALSE(QnRgn(request) - covered);
    EXPECT_EQ(pieces, 6); // the tiles the request meets: three columns, two rows
    EXPECT_RAISES(fill->RenderPieces(kIdentity, 2, request, nullptr, [](const QnPixBuf&, const QnRect&) {}),
                  "Bad plane request");
}

TEST(QnFillRenderObj, RequestsOutsideTheObjectComeBlank)
{
    auto source = MakeMem(50, 40, 16);
    auto fill = FillOf(PpQnRenderObj(source));
    const QnRect request{-20, -10, 70, 45};
    for (int plane : {0, 1}) {
        SCOPED_TRACE(plane);
        PpQnPixBuf buf = fill->RenderRect(kIdentity, plane, request, nullptr);
        EXPECT_EQ(buf->GetRect(), request);
        ExpectPicture(buf, plane, 50, 40);
    }
}

TEST(QnFillRenderObj, RowsRectanglesAndBadRequests)
{
    auto source = MakeMem(50, 40, 16);
    auto fill = FillOf(PpQnRenderObj(source));
    PpQnPixBuf row = fill->RenderRow(kIdentity, 1, 7, QnRange{3, 45}, nullptr);
    EXPECT_EQ(row->GetRect(), (QnRect{3, 7, 45, 8}));
    ExpectPicture(row, 1, 50, 40);
    EXPECT_RAISES(fill->RenderRow(kIdentity, 0, 7, QnRange{3, 3}, nullptr), "Bad rectangle request");

    source->requests.clear();
    QnRect got;
    PpQnPixBuf none = fill->Render(kIdentity, 0, QnPoint{5, 5}, QnRect{0, 0, 30, 30}, &got, nullptr, 1);
    EXPECT_EQ(got, (QnRect{0, 0, 30, 30}));
    EXPECT_EQ(none->GetRect(), QnRect{});
    EXPECT_TRUE(source->requests.empty());

    EXPECT_RAISES(fill->RenderRect(kIdentity, 2, QnRect{0, 0, 4, 4}, nullptr), "Bad plane request");
    EXPECT_RAISES(fill->RenderRect(kIdentity, -1, QnRect{0, 0, 4, 4}, nullptr), "Bad plane request");
    QnFillRenderObj::PlaneFmt many[11] = {};
    EXPECT_RAISES(PpQnFillRenderObj(PpQnRenderObj(source), 11, many), "Bad number of planes");
    EXPECT_RAISES(PpQnFillRenderObj(PpQnRenderObj(source), -1, many), "Bad number of planes");
}

TEST(QnFillRenderObj, SourceThatBreaksTheProtocolRaisesInsteadOfLooping)
{
    for (Breach breach : {Breach::AnchorMissing, Breach::Nothing, Breach::ShortPixels}) {
        SCOPED_TRACE(int(breach));
        auto fill = FillOf(PpQnRenderObj(QnCreate<BrokenRenderObj>(breach)));
        EXPECT_RAISES(fill->RenderRect(kIdentity, 0, QnRect{0, 0, 30, 20}, nullptr), "Bad rectangle request");
    }
}

TEST(QnFillRenderObj, SourceErrorsAndAbortsPassThrough)
{
    auto source = MakeMem(50, 40, 16);
    QnFillRenderObj::PlaneFmt formats[] = {{3, 1, 3}};
    auto inner = PpQnFillRenderObj(PpQnRenderObj(source), 1, formats);
    auto outer = FillOf(PpQnRenderObj(inner));
    EXPECT_RAISES(outer->RenderRect(kIdentity, 1, QnRect{0, 0, 4, 4}, nullptr), "Bad plane request");
}

TEST(QnFillRenderObj, ForwardsToItsSourceAndComparesBySourceAndFormats)
{
    auto source = MakeMem(50, 40, 16, 1);
    auto fill = FillOf(PpQnRenderObj(source));
    EXPECT_EQ(fill->GetRect(kIdentity), (QnRect{0, 0, 50, 40}));
    EXPECT_EQ(fill->GetNativeRender().Get(), source.Get());
    EXPECT_EQ(fill->IsUnique(), source->IsUnique());

    EXPECT_EQ(fill->Compare(PpQnFlVal(FillOf(PpQnRenderObj(source)).Get())), 0);
    EXPECT_NE(fill->Compare(PpQnFlVal(FillOf(PpQnRenderObj(MakeMem(50, 40, 16, 2))).Get())), 0);
    const QnFillRenderObj::PlaneFmt gray[] = {{1, 1, 1}, {1, 1, 1}};
    EXPECT_NE(fill->Compare(PpQnFlVal(PpQnFillRenderObj(PpQnRenderObj(source), 2, gray).Get())), 0);

    struct Probe : QnFillRenderObj {
        static auto ToStd() { return &Probe::GetConverterToStd; }
        static auto Safe() { return &Probe::HasSafeConversion; }
    };
    QnFillRenderObj* obj = fill.Get();
    EXPECT_RAISES((obj->*Probe::ToStd())(), "Internal error: function can't be invoked");
    EXPECT_RAISES((obj->*Probe::Safe())(), "Internal error: function can't be invoked");
}
