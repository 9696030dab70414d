// Selection masks as the operations read them: regions of each shape combined
// by each combine mode give 255 exactly on their pixels and 0 elsewhere,
// requests outside the mask share one zero tile, an empty selection is the
// whole picture, and region values order by identity.
#include "editor/operations/FlRgn.h"
#include "editor/operations/MaskRenderObj.h"
#include "editor/operations/RgnToSelect.h"
#include "base/QnExcept.h"
#include "lang/FlInt.h"
#include "lang/ValueExpr.h"
#include "lang/MachineContext.h"
#include "render/RgnShapes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kW = 90, kH = 70;

PpQnRenderObj MaskOf(const QnRgn& region, int32_t w = kW, int32_t h = kH)
{
    QnMachineContext m;
    const PpQnExpr e = MakeRgnToSelectExpr(MakeRgnValueExpr(region), w, h);
    return PpQnRenderObj(dynamic_cast<QnRenderObj*>(m.eval(e, nullptr)->CastToValue()->ValuePtr()));
}

// The mask's bytes over (0, 0, kW, kH), fetched piece by piece the way
// workers walk a request.
std::vector<uint8_t> Pixels(const PpQnRenderObj& mask, int32_t w = kW, int32_t h = kH)
{
    std::vector<uint8_t> out(size_t(w) * h, 77);
    const QnRect all{0, 0, w, h};
    QnRgn missing(all);
    while (missing) {
        const QnRect want = missing.first();
        QnRect got;
        const PpQnPixBuf buf = mask->Render(QnXFormXY(), 0, QnPoint{want.left, want.top}, all, &got, nullptr, 0);
        for (int32_t y = got.top; y < got.bottom; ++y)
            for (int32_t x = got.left; x < got.right; ++x)
                out[size_t(y) * w + size_t(x)] = buf->CRow(y - got.top)[x - got.left];
        missing -= got;
    }
    return out;
}

bool InEllipse(const QnRect& box, int32_t x, int32_t y)
{
    const int64_t a = box.Width(), b = box.Height();
    const int64_t X = 2 * int64_t(x) + 1 - box.left - box.right, Y = 2 * int64_t(y) + 1 - box.top - box.bottom;
    return X * X * b * b + Y * Y * a * a <= a * a * b * b;
}

// A triangle no pixel centre of which lies on an edge, tested by the signs of
// the three edge functions in doubled coordinates.
bool InTriangle(int32_t x, int32_t y)
{
    const int64_t px = 2 * x + 1, py = 2 * y + 1;
    const int64_t v[3][2] = {{10, 4}, {150, 40}, {30, 130}}; // doubled (5,2) (75,20) (15,65)
    int positive = 0;
    for (int i = 0; i < 3; ++i) {
        const int64_t* a = v[i];
        const int64_t* b = v[(i + 1) % 3];
        positive += (b[0] - a[0]) * (py - a[1]) - (b[1] - a[1]) * (px - a[0]) > 0;
    }
    return positive == 3 || positive == 0;
}

TEST(Mask, ShapesCombinedByEachModeMatchThePixels)
{
    const QnRect ellipseBox{-10, 8, 60, 66};
    const QnRect rect{40, -5, 95, 30};
    const std::vector<QnPoint> triangle{{5, 2}, {75, 20}, {15, 65}};
    struct Shape {
        QnRgn region;
        std::function<bool(int32_t, int32_t)> holds;
    };
    const std::vector<Shape> shapes{
        {QnEllipseRgn(ellipseBox), [&](int32_t x, int32_t y) { return InEllipse(ellipseBox, x, y); }},
        {QnRgn(rect), [&](int32_t x, int32_t y) { return rect.Contains(QnPoint{x, y}); }},
        {QnPolygonRgn(triangle, QnPolyFill::Alternate), InTriangle},
    };
    struct Mode {
        const char* name;
        std::function<QnRgn(const QnRgn&, const QnRgn&)> combine;
        std::function<bool(bool, bool)> rule;
    };
    const std::vector<Mode> modes{
        {"union", std::plus<QnRgn>(), [](bool a, bool b) { return a || b; }},
        {"difference", std::minus<QnRgn>(), [](bool a, bool b) { return a && !b; }},
        {"exclusive or", [](const QnRgn& a, const QnRgn& b) { return a ^ b; }, [](bool a, bool b) { return a != b; }},
        {"intersection", std::multiplies<QnRgn>(), [](bool a, bool b) { return a && b; }},
    };
    for (size_t i = 0; i < shapes.size(); ++i) {
        for (size_t j = 0; j < shapes.size(); ++j) {
            if (i == j)
                continue;
            for (const Mode& mode : modes) {
                SCOPED_TRACE(testing::Message() << "shapes " << i << ", " << j << " by " << mode.name);
                const QnRgn combined = mode.combine(shapes[i].region, shapes[j].region);
                const std::vector<uint8_t> pixels = Pixels(MaskOf(combined));
                for (int32_t y = 0; y < kH; ++y) {
                    for (int32_t x = 0; x < kW; ++x) {
                        const bool in = mode.rule(shapes[i].holds(x, y), shapes[j].holds(x, y));
                        ASSERT_EQ(pixels[size_t(y) * kW + size_t(x)], in ? 255 : 0) << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(Mask, EmptySelectionIsTheWholePicture)
{
    for (const auto& [w, h] : {std::pair{kW, kH}, std::pair{9000, 40}}) {
        const PpQnRenderObj mask = MaskOf(QnRgn(), w, h);
        EXPECT_EQ(mask->GetRect(QnXFormXY()), (QnRect{0, 0, w, h}));
        for (uint8_t b : Pixels(mask, w, h))
            ASSERT_EQ(b, 255);
    }
    // Masks of whole pictures share their bytes instead of each holding a
    // picture's worth of 255s.
    QnRect got;
    const PpQnPixBuf a = MaskOf(QnRgn(), 9000, 40)->Render(QnXFormXY(), 0, {8500, 20}, QnRect{0, 0, 9000, 40}, &got, nullptr, 0);
    const PpQnPixBuf b = MaskOf(QnRgn(), 900, 900)->Render(QnXFormXY(), 0, {0, 0}, QnRect{0, 0, 900, 900}, &got, nullptr, 0);
    EXPECT_EQ(a->CRow(0), b->CRow(0));
}

TEST(Mask, RequestsOutsideShareOneZeroTile)
{
    const PpQnRenderObj mask = MaskOf(QnRgn(QnRect{10, 20, 30, 40}), 100, 100);
    EXPECT_EQ(mask->GetRect(QnXFormXY()), (QnRect{10, 20, 30, 40}));
    QnRect got;
    const PpQnPixBuf corner = mask->Render(QnXFormXY(), 0, QnPoint{0, 0}, QnRect{0, 0, 100, 100}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{0, 0, 64, 20})); // the band above the mask, one block wide
    for (int32_t y = 0; y < got.Height(); ++y)
        for (int32_t x = 0; x < got.Width(); ++x)
            ASSERT_EQ(corner->CRow(y)[x], 0);
    const PpQnRenderObj other = MaskOf(QnEllipseRgn(QnRect{50, 50, 60, 60}), 100, 100);
    const PpQnPixBuf far = other->Render(QnXFormXY(), 0, QnPoint{0, 0}, QnRect{0, 0, 100, 100}, &got, nullptr, 0);
    EXPECT_EQ(far->CRow(0), corner->CRow(0));

    const PpQnPixBuf inside = mask->Render(QnXFormXY(), 0, QnPoint{15, 25}, QnRect{12, 22, 100, 100}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{12, 22, 30, 40}));
    EXPECT_EQ(inside->CRow(0)[0], 255);

    // The rectangle alone, without pixels.
    mask->Render(QnXFormXY(), 0, QnPoint{99, 99}, QnRect{0, 0, 100, 100}, &got, nullptr, 1);
    EXPECT_TRUE(got.Contains(QnPoint{99, 99}));
    EXPECT_LE(got.Width(), 64);
    EXPECT_LE(got.Height(), 64);
    EXPECT_FALSE(QnRectsMeet(got, QnRect{10, 20, 30, 40}));
}

TEST(Mask, BadPlaneAndBadArguments)
{
    const PpQnRenderObj mask = MaskOf(QnRgn(QnRect{1, 1, 5, 5}));
    try {
        mask->Render(QnXFormXY(), 1, QnPoint{1, 1}, QnRect{0, 0, 9, 9}, nullptr, nullptr, 0);
        FAIL() << "plane 1 rendered";
    } catch (const QnExcept& e) {
        EXPECT_STREQ(e.what(), "Bad plane request");
        EXPECT_NE(std::string(e.where()).find("RgnToSelect"), std::string::npos);
    }
    QnMachineContext m;
    const PpQnExpr wrong = MakeRgnToSelectExpr(PpQnExpr(PpQnFlVal(int32_t(3))), 4, 4);
    try {
        m.eval(wrong, nullptr);
        FAIL() << "an integer taken for a region";
    } catch (const QnExcept& e) {
        const std::string where = e.where();
        EXPECT_NE(where.find("RgnToSelect"), std::string::npos);
        EXPECT_NE(where.find("259"), std::string::npos);
    }
}

TEST(FlRgnValue, OrderedByIdentity)
{
    const PpQnExpr a = MakeRgnValueExpr(QnRgn(QnRect{0, 0, 2, 2}));
    const PpQnExpr b = MakeRgnValueExpr(QnRgn(QnRect{0, 0, 2, 2}));
    const PpQnFlVal va(a->CastToValue()->ValuePtr()), vb(b->CastToValue()->ValuePtr());
    EXPECT_EQ(va->Compare(va), 0);
    EXPECT_NE(va->Compare(vb), 0);
    EXPECT_EQ(va->Compare(vb), -vb->Compare(va));
}

} // namespace
