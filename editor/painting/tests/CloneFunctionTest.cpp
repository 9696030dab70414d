// The clone stroke built-in: pixels under the dabs taken from the source at
// the offset, hard and soft, only where the source has pixels, and in the
// picture's own type.
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/painting/BrushDab.h"
#include "editor/painting/CloneFunction.h"
#include "editor/painting/DabWalk.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "render/RgnShapes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Pixels {
    int32_t w, h, bpp;
    std::vector<uint8_t> b;
    uint8_t* At(int32_t x, int32_t y) { return &b[(size_t(y) * size_t(w) + size_t(x)) * size_t(bpp)]; }
};

Pixels Read(const PpQnPicture& p)
{
    const int32_t bpp = p->Type() == WA_RGB24 ? 3 : 1;
    Pixels out{p->GetWidth(), p->GetHeight(), bpp, {}};
    const PictureRowAccess rows(PpQnRenderObj(p), bpp, QnRect{0, 0, out.w, out.h});
    for (int32_t y = 0; y < out.h; ++y)
        out.b.insert(out.b.end(), rows.Row(y), rows.Row(y) + size_t(out.w) * size_t(bpp));
    return out;
}

PpQnPicture Random(int type, int32_t w, int32_t h, uint32_t seed)
{
    PpQnPicture p(w, h, type, nullptr);
    std::mt19937 random(seed);
    PictureRowAccess rows(p, QnRect{0, 0, w, h});
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w * (type == WA_RGB24 ? 3 : 1); ++x)
            rows.Row(y)[x] = uint8_t(random());
    return p;
}

PpFlRectPict Clone(const PpQnPicture& target, const QnRgn& selection, const CBrushParams& brush,
                   const std::vector<QnPoint>& points, const PpQnPicture& source, int32_t dx, int32_t dy)
{
    QnMachineContext m;
    const PpQnExpr e = MakeCloneExpr(
        PpQnExpr(PpQnFlVal(target)),
        MakeRgnToSelectExpr(MakeRgnValueExpr(selection), target->GetWidth(), target->GetHeight()),
        PpQnExpr(PpQnFlVal(MakeFlBrushParams(brush))), PpQnExpr(PpQnFlVal(MakeFlPointArray(points))),
        PpQnExpr(PpQnFlVal(source)), dx, dy);
    return CheckedCastFlRectPict(PpQnFlVal(m.eval(e, nullptr)->CastToValue()->ValuePtr()), __FILE__, __LINE__);
}

CBrushParams Brush(int32_t shape, int32_t smooth, int32_t size)
{
    CBrushParams b;
    b.shape = shape;
    b.smooth = smooth;
    b.size = size;
    return b;
}

} // namespace

TEST(CloneFunction, TakesTheSourceAtTheOffsetUnderEachDab)
{
    constexpr int32_t W = 130, H = 100;
    const std::vector<QnPoint> points{{20, 20}, {40, 30}, {66, 60}, {120, 95}, {5, 90}};
    const QnRgn selection = QnEllipseRgn(QnRect{0, 0, 125, 100});
    const PpQnPicture source = Random(WA_RGB24, 90, 80, 9);
    const int32_t dx = 12, dy = -6;
    for (int32_t smooth : {0, 2}) {
        SCOPED_TRACE(smooth);
        const PpQnPicture target = Random(WA_RGB24, W, H, 4);
        const CBrushParams brush = Brush(0, smooth, 27);
        QnRect changed;
        const std::vector<QnRect> squares = DabSquares(points, 27, &changed);
        changed = QnIntersectRect(changed, selection.box());
        changed = QnIntersectRect(changed, QnRect{0, 0, W, H});
        changed = QnIntersectRect(changed, QnRect{dx, dy, 90 + dx, 80 + dy});
        Pixels want = Read(target);
        Pixels src = Read(source);
        {
            auto lock = BrushDabLock();
            const BrushDabMask dab = MakeBrushDab(27, 0, smooth);
            // Per pixel the dabs apply in list order, whatever tile holds it.
            for (const QnRect& s : squares) {
                const QnRect c = QnIntersectRect(s, changed);
                for (int32_t y = c.top; y < c.bottom; ++y)
                    for (int32_t x = c.left; x < c.right; ++x) {
                        if (!selection.from_point(QnPoint{x, y}).right)
                            continue;
                        const int32_t m = dab.ImageRow(y - s.top)[x - s.left];
                        uint8_t* p = want.At(x, y);
                        const uint8_t* q = src.At(x - dx, y - dy);
                        for (int32_t ch = 0; ch < 3; ++ch)
                            p[ch] = uint8_t(smooth ? (p[ch] * m + q[ch] * (255 - m)) / 255 : m == 0 ? q[ch] : p[ch]);
                    }
            }
        }
        const PpFlRectPict answer = Clone(target, selection, brush, points, source, dx, dy);
        EXPECT_EQ(answer->Rect().left, changed.left);
        EXPECT_EQ(answer->Rect().top, changed.top);
        EXPECT_EQ(answer->Rect().right, changed.right);
        EXPECT_EQ(answer->Rect().bottom, changed.bottom);
        EXPECT_TRUE(Read(answer->Picture()).b == want.b);
    }
}

TEST(CloneFunction, ItsOwnPictureAtNoOffsetChangesNothing)
{
    for (int type : {WA_RGB24, WA_GRAY}) {
        const PpQnPicture p = Random(type, 70, 50, 2);
        const PpFlRectPict answer = Clone(p, QnRgn(QnRect{0, 0, 70, 50}), Brush(1, 1, 20), {{10, 10}, {60, 45}}, p, 0, 0);
        EXPECT_TRUE(Read(answer->Picture()).b == Read(p).b);
    }
}

TEST(CloneFunction, AColourSourceLaysGreyLevelsIntoAGreyPicture)
{
    const PpQnPicture source = Random(WA_RGB24, 60, 60, 5);
    PpQnPicture target(60, 60, WA_GRAY, nullptr);
    const PpFlRectPict answer = Clone(target, QnRgn(QnRect{0, 0, 60, 60}), Brush(1, 0, 50), {{30, 30}}, source, 0, 0);
    Pixels src = Read(source), out = Read(answer->Picture());
    // The square dab covers 40 x 40 from (10, 10).
    for (const QnPoint p : {QnPoint{10, 10}, QnPoint{30, 31}, QnPoint{49, 49}}) {
        const uint8_t* c = src.At(p.x, p.y);
        EXPECT_EQ(out.At(p.x, p.y)[0], (c[0] + c[1] + c[2]) / 3) << p.x << "," << p.y;
    }
    EXPECT_EQ(out.At(9, 9)[0], 0);
}

TEST(CloneFunction, NothingWhereTheSourceHasNoPixels)
{
    const PpQnPicture source = Random(WA_RGB24, 20, 20, 1);
    const PpQnPicture target = Random(WA_RGB24, 80, 80, 3);
    const PpFlRectPict answer = Clone(target, QnRgn(QnRect{0, 0, 80, 80}), Brush(1, 0, 30), {{60, 60}}, source, 0, 0);
    EXPECT_TRUE(answer->Rect().IsEmpty());
    EXPECT_TRUE(Read(answer->Picture()).b == Read(target).b);
}
