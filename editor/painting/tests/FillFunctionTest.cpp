// The fill built-in: the seven patterns against their formulas at the
// points that matter, the fill of a selection and of a colour range on
// colour and grey pictures, and the cases where nothing may change.
#include "../../operations/tests/AbortingControl.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/operations/UserAbortExcept.h"
#include "editor/painting/FillFunction.h"
#include "editor/painting/FillPatterns.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "render/RgnShapes.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

CFillParams Fill(int32_t kind, int32_t region, uint32_t c1, uint32_t c2 = 0, int32_t tolerance = 0)
{
    CFillParams f;
    f.kind = kind;
    f.region = region;
    f.tolerance = tolerance;
    f.color1 = c1;
    f.color2 = c2;
    return f;
}

PpQnPicture Filled(const PpQnPicture& picture, const QnRgn& selection, const CFillParams& fill, QnPoint at = {},
                   QnEvalControl* control = nullptr)
{
    QnMachineContext m;
    const PpQnExpr e = MakeFillExpr(
        PpQnExpr(PpQnFlVal(picture)),
        MakeRgnToSelectExpr(MakeRgnValueExpr(selection), picture->GetWidth(), picture->GetHeight()),
        PpQnExpr(PpQnFlVal(MakeFlFillParams(fill))), at.x, at.y);
    return PpQnPicture(dynamic_cast<QnPicture*>(m.eval(e, control)->CastToValue()->ValuePtr()));
}

std::vector<uint8_t> Bytes(const PpQnPicture& p)
{
    const int32_t bpp = p->Type() == WA_RGB24 ? 3 : 1, w = p->GetWidth(), h = p->GetHeight();
    const PictureRowAccess rows(PpQnRenderObj(p), bpp, QnRect{0, 0, w, h});
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < h; ++y)
        out.insert(out.end(), rows.Row(y), rows.Row(y) + size_t(w) * size_t(bpp));
    return out;
}

void Paint(const PpQnPicture& p, const std::function<void(int32_t x, int32_t y, uint8_t* px)>& f)
{
    const int32_t bpp = p->Type() == WA_RGB24 ? 3 : 1, w = p->GetWidth(), h = p->GetHeight();
    PictureRowAccess rows(p, QnRect{0, 0, w, h});
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            f(x, y, rows.Row(y) + x * bpp);
}

} // namespace

TEST(FillPatterns, LevelsAtTheirDefiningPoints)
{
    struct Case {
        const char* name;
        int32_t kind, w, h, u, v, level;
    };
    // From 10 to 210.
    const std::vector<Case> cases{
        {"plain", FILL_PLAIN, 100, 100, 37, 81, 10},
        {"vertical, top row", FILL_VERTICAL, 50, 100, 20, 0, 10},
        {"vertical, row 99", FILL_VERTICAL, 50, 100, 20, 99, (10 + 99 * 210) / 100},
        {"horizontal, column 49", FILL_HORIZONTAL, 50, 100, 49, 3, (10 * 1 + 210 * 49) / 50},
        {"right, top-left", FILL_RIGHT, 60, 40, 0, 0, 10},
        {"right, bottom-right", FILL_RIGHT, 60, 40, 59, 39, (10 * 2 + 210 * 98) / 100},
        {"left, top-right", FILL_LEFT, 60, 40, 60, 0, 10},
        {"rectangle, centre", FILL_RECTANGLE, 61, 41, 30, 20, 10},
        {"rectangle, edge", FILL_RECTANGLE, 61, 41, 0, 20, 210},
        {"round, centre", FILL_ROUND, 61, 41, 30, 20, 10},
        {"round, corner", FILL_ROUND, 61, 41, 0, 0, 210},
        {"rectangle one pixel tall", FILL_RECTANGLE, 30, 1, 7, 0, 10},
        {"round one pixel", FILL_ROUND, 1, 1, 0, 0, 10},
        {"vertical one pixel tall", FILL_VERTICAL, 1, 0, 0, 0, 10},
        {"unknown kind", 7, 10, 10, 5, 5, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillPatternLevel(c.kind, 10, 210, c.w, c.h, c.u, c.v), c.level) << c.name;
}

TEST(FillFunction, FillsTheSelectionWithThePatternOverItsArea)
{
    // The area is the selection's box cut to the picture; pixels outside
    // the ellipse keep their value.
    constexpr int32_t W = 140, H = 90;
    const QnRect box{-10, 5, 120, 85};
    const QnRgn ellipse = QnEllipseRgn(box);
    const QnRect area{0, 5, 120, 85};
    for (int type : {WA_RGB24, WA_GRAY})
        for (int32_t kind = 0; kind <= 6; ++kind) {
            SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kind);
            PpQnPicture picture(W, H, type, nullptr);
            Paint(picture, [](int32_t x, int32_t y, uint8_t* px) { px[0] = uint8_t(x + y); });
            const std::vector<uint8_t> before = Bytes(picture);
            const std::vector<uint8_t> after = Bytes(Filled(picture, ellipse, Fill(kind, 0, 0x204060, 0xF0C0A0)));
            EXPECT_EQ(Bytes(picture), before);
            const int32_t bpp = type == WA_RGB24 ? 3 : 1;
            int32_t wrong = 0;
            for (int32_t y = 0; y < H; ++y)
                for (int32_t x = 0; x < W; ++x) {
                    const bool inside = ellipse.from_point(QnPoint{x, y}).right > x && area.left <= x && x < area.right &&
                                        area.top <= y && y < area.bottom;
                    const std::vector<int32_t> a = bpp == 3 ? std::vector<int32_t>{0x20, 0x40, 0x60}
                                                            : std::vector<int32_t>{(0x60 + 0x40 + 0x20) / 3};
                    const std::vector<int32_t> b = bpp == 3 ? std::vector<int32_t>{0xF0, 0xC0, 0xA0}
                                                            : std::vector<int32_t>{(0xA0 + 0xC0 + 0xF0) / 3};
                    for (int32_t c = 0; c < bpp; ++c) {
                        const size_t i = (size_t(y) * W + size_t(x)) * size_t(bpp) + size_t(c);
                        const int32_t want = inside ? FillPatternLevel(kind, a[size_t(c)], b[size_t(c)], 120, 80,
                                                                       x - area.left, y - area.top)
                                                    : before[i];
                        wrong += after[i] != want;
                    }
                }
            EXPECT_EQ(wrong, 0);
        }
}

TEST(FillFunction, ColourRangeFillsOnlyTheConnectedAreaOfTheColour)
{
    // Two squares of one colour apart, on a background within a tolerance
    // of 10 of it: tolerance 0 fills the clicked square, 10 everything the
    // selection holds.
    constexpr int32_t W = 100, H = 60;
    for (int type : {WA_RGB24, WA_GRAY}) {
        SCOPED_TRACE(type);
        PpQnPicture picture(W, H, type, nullptr);
        Paint(picture, [type](int32_t x, int32_t y, uint8_t* px) {
            const bool square = (y >= 10 && y < 30) && ((x >= 10 && x < 30) || (x >= 60 && x < 80));
            const uint8_t v = square ? 100 : 95;
            for (int c = 0; c < (type == WA_RGB24 ? 3 : 1); ++c)
                px[c] = v;
        });
        const QnRgn all(QnRect{0, 0, W, H});
        const std::vector<uint8_t> tight = Bytes(Filled(picture, all, Fill(0, 1, 0x0A0A0A, 0, 0), QnPoint{15, 15}));
        const std::vector<uint8_t> loose = Bytes(Filled(picture, QnRgn(QnRect{0, 0, 50, H}),
                                                        Fill(0, 1, 0x0A0A0A, 0, 10), QnPoint{15, 15}));
        const int32_t bpp = type == WA_RGB24 ? 3 : 1;
        const auto at = [bpp](const std::vector<uint8_t>& b, int32_t x, int32_t y) {
            return b[(size_t(y) * W + size_t(x)) * size_t(bpp)];
        };
        EXPECT_EQ(at(tight, 20, 20), 10);
        EXPECT_EQ(at(tight, 70, 20), 100) << "the other square is not connected";
        EXPECT_EQ(at(tight, 40, 40), 95);
        EXPECT_EQ(at(loose, 40, 40), 10);
        EXPECT_EQ(at(loose, 70, 20), 100) << "outside the selection";
    }
}

TEST(FillFunction, NothingChangesWhereThereIsNothingToFill)
{
    PpQnPicture picture(40, 30, WA_RGB24, nullptr);
    Paint(picture, [](int32_t x, int32_t, uint8_t* px) { px[0] = px[1] = px[2] = uint8_t(x); });
    const std::vector<uint8_t> before = Bytes(picture);
    EXPECT_EQ(Bytes(Filled(picture, QnRgn(QnRect{50, 50, 60, 60}), Fill(0, 0, 0xFFFFFF))), before) << "outside";
    EXPECT_EQ(Bytes(Filled(picture, QnRgn(QnRect{0, 0, 40, 30}), Fill(0, 2, 0xFFFFFF))), before) << "region 2";
    EXPECT_EQ(Bytes(Filled(picture, QnRgn(QnRect{0, 0, 40, 30}), Fill(0, 1, 0xFFFFFF), QnPoint{-1, 3})), before)
        << "a point outside the picture";
    AbortingControl control;
    EXPECT_THROW(Filled(picture, QnRgn(QnRect{0, 0, 40, 30}), Fill(0, 0, 0xFFFFFF), {}, &control), UserAbortExcept);
    EXPECT_EQ(Bytes(picture), before);
}
