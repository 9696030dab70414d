// The brush stroke built-in against the brush rules recomputed here on a
// plain copy of the picture: every mode on grey and colour pictures, hard
// and soft, clipped to the selection and the picture, tile by tile; the
// dab's shapes; the smudge's pull; and the cases where nothing may change.
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/painting/BrushDab.h"
#include "editor/painting/BrushModes.h"
#include "editor/painting/PaintFunction.h"
#include "base/QnExcept.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "platform/WinRand.h"
#include "render/RgnShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Image {
    int32_t width, height, bpp;
    std::vector<uint8_t> bytes;
    uint8_t* At(int32_t x, int32_t y) { return &bytes[(size_t(y) * size_t(width) + size_t(x)) * size_t(bpp)]; }
    const uint8_t* At(int32_t x, int32_t y) const
    {
        return &bytes[(size_t(y) * size_t(width) + size_t(x)) * size_t(bpp)];
    }
    bool operator==(const Image& o) const { return bytes == o.bytes; }
};

Image Read(const PpQnRenderObj& source, int32_t width, int32_t height, int32_t bpp)
{
    Image out{width, height, bpp, std::vector<uint8_t>(size_t(width) * size_t(height) * size_t(bpp))};
    const PictureRowAccess rows(source, bpp, QnRect{0, 0, width, height});
    for (int32_t y = 0; y < height; ++y)
        std::copy_n(rows.Row(y), size_t(width) * size_t(bpp), out.At(0, y));
    return out;
}

PpQnPicture RandomPicture(int type, int32_t width, int32_t height, uint32_t seed)
{
    std::vector<PALETTEENTRY> palette(256);
    PpQnPicture picture(width, height, type, type == WA_8BIT ? palette.data() : nullptr);
    std::mt19937 random(seed);
    {
        PictureRowAccess rows(picture, QnRect{0, 0, width, height});
        const int32_t bpp = type == WA_RGB24 ? 3 : 1;
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width * bpp; ++x)
                rows.Row(y)[x] = uint8_t(random());
    }
    return picture;
}

struct Stroke {
    QnRgn selection;
    CBrushParams brush;
    std::vector<QnPoint> points;
    QnPoint start{1, 0};
};

PpQnExpr StrokeExpr(const PpQnPicture& picture, const Stroke& s)
{
    return MakePaintExpr(PpQnExpr(PpQnFlVal(picture)),
                         MakeRgnToSelectExpr(MakeRgnValueExpr(s.selection), picture->GetWidth(), picture->GetHeight()),
                         PpQnExpr(PpQnFlVal(MakeFlBrushParams(s.brush))), PpQnExpr(PpQnFlVal(MakeFlPointArray(s.points))),
                         PpQnExpr(PpQnFlVal(MakeFlPoint(s.start))));
}

PpFlRectPict Paint(const PpQnPicture& picture, const Stroke& s)
{
    QnMachineContext m;
    return CheckedCastFlRectPict(PpQnFlVal(m.eval(StrokeExpr(picture, s), nullptr)->CastToValue()->ValuePtr()),
                                 __FILE__, __LINE__);
}

PpQnRenderObj MaskOf(const QnRgn& selection, int32_t width, int32_t height)
{
    QnMachineContext m;
    const PpQnExpr e = MakeRgnToSelectExpr(MakeRgnValueExpr(selection), width, height);
    return PpQnRenderObj(dynamic_cast<QnRenderObj*>(m.eval(e, nullptr)->CastToValue()->ValuePtr()));
}

QnRect Square(const QnPoint& p, int32_t size)
{
    const int32_t l = p.x - size / 2, t = p.y - size / 2;
    return QnRect{l, t, l + size, t + size};
}

// The brush rules applied to a plain copy: tile by tile over the changed
// rectangle, dab by dab, rows from the top; the spray draws from a generator
// the caller seeds as the built-in does (so only its count and order of
// draws are checked against the rules).
Image Reference(Image image, const PpQnRenderObj& mask, const Stroke& s, QnRect& changed, uint32_t spraySeed)
{
    const int32_t size = std::max(s.brush.size, 1);
    changed = QnRect{};
    for (const QnPoint& p : s.points)
        changed = QnExtendBox(changed, Square(p, size));
    changed = QnIntersectRect(changed, mask->GetRect(QnXFormXY()));
    changed = QnIntersectRect(changed, QnRect{0, 0, image.width, image.height});
    const Image selection = Read(mask, image.width, image.height, 1);
    const uint32_t c = s.brush.color;
    const uint8_t r = uint8_t(c), g = uint8_t(c >> 8), b = uint8_t(c >> 16);
    const std::vector<uint8_t> colour =
        image.bpp == 3 ? std::vector<uint8_t>{b, g, r} : std::vector<uint8_t>{uint8_t((r + g + b) / 3)};
    platform::WinRand rand(spraySeed);
    auto lock = BrushDabLock();
    const BrushDabMask dab = MakeBrushDab(size, s.brush.shape, s.brush.smooth);
    const int32_t smooth = s.brush.smooth;
    for (int32_t ty = changed.top / 64 * 64; ty < changed.bottom; ty += 64)
        for (int32_t tx = changed.left / 64 * 64; tx < changed.right; tx += 64) {
            const QnRect t = QnIntersectRect(changed, QnRect{tx, ty, tx + 64, ty + 64});
            for (const QnPoint& p : s.points) {
                const QnRect sq = Square(p, size);
                const QnRect a = QnIntersectRect(sq, t);
                for (int32_t y = a.top; y < a.bottom; ++y)
                    for (int32_t x = a.left; x < a.right; ++x) {
                        if (selection.bytes[size_t(y) * size_t(image.width) + size_t(x)] == 0)
                            continue;
                        const int32_t m = dab.ImageRow(y - sq.top)[x - sq.left];
                        uint8_t* px = image.At(x, y);
                        for (int32_t ch = 0; ch < image.bpp; ++ch) {
                            int32_t v = px[ch];
                            switch (s.brush.mode) {
                            case 0: v = smooth ? (v * m + colour[size_t(ch)] * (255 - m)) / 255 : m == 0 ? colour[size_t(ch)] : v; break;
                            case 3: v = std::min(v + (smooth ? (255 - m) / 51 : m == 0 ? 5 : 0), 255); break;
                            case 4: v = std::max(v - (smooth ? (255 - m) / 51 : m == 0 ? 5 : 0), 0); break;
                            }
                            px[ch] = uint8_t(v);
                        }
                        if (s.brush.mode == 1) {
                            const bool tested = smooth ? true : m == 0;
                            if (tested && rand.Next() % 100 > (smooth ? 80 + 6 * smooth : 80) && (smooth == 0 || m < 255))
                                std::copy(colour.begin(), colour.end(), px);
                        }
                    }
            }
        }
    return image;
}

// One smudge dab over square sq, pulled along (dx, dy): a pixel the dab
// covers (m < 255) inside the selection is sampled (255 - m) / 255 of a pixel
// back along the unit direction, in sixteenths of a pixel truncated toward
// zero and kept inside the square, bilinearly from the four pixels around
// that point with weights in fifteenths. The dab's rows are read as stored
// (bottom-up), so the dab lies upside down on the picture.
Image SmudgeReference(Image image, const Image& selection, const QnRect& sq, const BrushDabMask& dab, int32_t dx,
                      int32_t dy)
{
    const Image source = image;
    const int32_t len = int32_t(std::sqrt(double(dx) * dx + double(dy) * dy));
    const int64_t ux = int64_t(dx) * 1024 / len, uy = int64_t(dy) * 1024 / len;
    const int32_t w = sq.right - sq.left, h = sq.bottom - sq.top;
    for (int32_t j = 0; j < h; ++j)
        for (int32_t i = 0; i < w; ++i) {
            const int32_t x = sq.left + i, y = sq.top + j;
            const int32_t k = 255 - dab.StoredRow(j)[i];
            if (k == 0 || selection.bytes[size_t(y) * size_t(image.width) + size_t(x)] == 0)
                continue;
            // 261120 = 255 * 1024: the coverage times the unit vector.
            const int64_t backX = 16 * i - k * ux * 16 / 261120, backY = 16 * j - k * uy * 16 / 261120;
            const int64_t sx = std::clamp<int64_t>(backX, 0, 16 * (w - 1));
            const int64_t sy = std::clamp<int64_t>(backY, 0, 16 * (h - 1));
            const int32_t px = int32_t(sx / 16), py = int32_t(sy / 16), fx = int32_t(sx % 16), fy = int32_t(sy % 16);
            for (int32_t c = 0; c < image.bpp; ++c) {
                int64_t sum = 0;
                for (int32_t oy = 0; oy < 2; ++oy)
                    for (int32_t ox = 0; ox < 2; ++ox) {
                        const int32_t weight = (ox ? fx : 15 - fx) * (oy ? fy : 15 - fy);
                        if (weight != 0)
                            sum += int64_t(weight) * source.At(sq.left + px + ox, sq.top + py + oy)[c];
                    }
                image.At(x, y)[c] = uint8_t(sum / 225);
            }
        }
    return image;
}

uint32_t SeedOf(const Stroke& s)
{
    uint32_t seed = 2166136261u;
    const auto mix = [&seed](int32_t v) { seed = (seed ^ uint32_t(v)) * 16777619u; };
    mix(s.start.x);
    mix(s.start.y);
    mix(int32_t(s.points.size()));
    if (!s.points.empty()) {
        mix(s.points.front().x);
        mix(s.points.front().y);
        mix(s.points.back().x);
        mix(s.points.back().y);
    }
    return seed;
}

CBrushParams Brush(int32_t mode, int32_t shape, int32_t smooth, int32_t size, uint32_t colour = 0x5A3C1E)
{
    CBrushParams b;
    b.mode = mode;
    b.shape = shape;
    b.smooth = smooth;
    b.size = size;
    b.color = colour;
    return b;
}

} // namespace

TEST(PaintFunction, EveryModeFollowsTheBrushRulesTileByTile)
{
    constexpr int32_t W = 150, H = 110;
    // A stroke across tile borders, partly outside the picture, inside an
    // elliptic selection that itself reaches past the left edge.
    const std::vector<QnPoint> points{{-5, 20}, {30, 40}, {62, 64}, {64, 70}, {120, 100}, {149, 109}};
    const QnRgn ellipse = QnEllipseRgn(QnRect{-20, 5, 140, 105});
    const PpQnRenderObj mask = MaskOf(ellipse, W, H);
    // The sizes the brush panels offer, and one between them.
    for (int32_t size : {1, 15, 23, 35, 51})
        for (int type : {WA_RGB24, WA_GRAY})
            for (int32_t mode : {0, 1, 3, 4})
                for (int32_t smooth : {0, 2})
                    for (int32_t shape : {0, 3}) {
                        SCOPED_TRACE(testing::Message() << "size " << size << " type " << type << " mode " << mode
                                                        << " smooth " << smooth << " shape " << shape);
                        const Stroke s{ellipse, Brush(mode, shape, smooth, size), points};
                        const PpQnPicture before = RandomPicture(type, W, H, uint32_t(mode * 10 + smooth));
                        const int32_t bpp = type == WA_RGB24 ? 3 : 1;
                        const Image original = Read(PpQnRenderObj(before), W, H, bpp);
                        QnRect changed;
                        const Image expected = Reference(original, mask, s, changed, SeedOf(s));
                        const PpFlRectPict answer = Paint(before, s);
                        ASSERT_FALSE(answer->IsWhole());
                        EXPECT_EQ(answer->Rect().left, changed.left);
                        EXPECT_EQ(answer->Rect().top, changed.top);
                        EXPECT_EQ(answer->Rect().right, changed.right);
                        EXPECT_EQ(answer->Rect().bottom, changed.bottom);
                        EXPECT_TRUE(Read(PpQnRenderObj(answer->Picture()), W, H, bpp) == expected);
                        EXPECT_TRUE(Read(PpQnRenderObj(before), W, H, bpp) == original) << "the argument changed";
                    }
}

TEST(PaintFunction, HardDabsAreTheShapeCells)
{
    // At the strip's own cell size a hard dab is the cell itself.
    const auto inCell = [](int32_t shape, int32_t x, int32_t y) {
        const bool inner = x >= 5 && x < 45 && y >= 5 && y < 45;
        switch (shape) {
        case 0: return (x + 0.5 - 25) * (x + 0.5 - 25) + (y + 0.5 - 25) * (y + 0.5 - 25) <= 400;
        case 1: return inner;
        case 2: return inner && std::abs(x - y) <= 3;
        default: return inner && std::abs((49 - x) - y) <= 3;
        }
    };
    auto lock = BrushDabLock();
    for (int32_t shape = 0; shape < 4; ++shape) {
        const BrushDabMask dab = MakeBrushDab(50, shape, 0);
        int32_t wrong = 0;
        for (int32_t y = 0; y < 50; ++y)
            for (int32_t x = 0; x < 50; ++x)
                wrong += (dab.ImageRow(y)[x] == 0) != inCell(shape, x, y);
        EXPECT_EQ(wrong, 0) << "shape " << shape;
    }
    for (int32_t shape = 0; shape < 4; ++shape)
        for (int32_t smooth = 0; smooth < 4; ++smooth) {
            const BrushDabMask one = MakeBrushDab(1, shape, smooth);
            EXPECT_EQ(one.ImageRow(0)[0], 0);
        }
}

TEST(PaintFunction, EdgeCases)
{
    constexpr int32_t W = 80, H = 60;
    struct Case {
        const char* name;
        int type;
        Stroke stroke;
        QnRect rect;     // expected changed rectangle
        int32_t x, y;    // a pixel to look at
        uint8_t before;  // its value before (every channel)
        uint8_t after;   // and after
    };
    const QnRgn all(QnRect{0, 0, W, H});
    const QnRgn left(QnRect{0, 0, 40, H});
    const std::vector<Case> cases{
        {"no points", WA_RGB24, {all, Brush(0, 1, 0, 9), {}}, QnRect{}, 10, 10, 7, 7},
        {"dab outside the selection", WA_RGB24, {left, Brush(0, 1, 0, 9), {{60, 30}}}, QnRect{}, 60, 30, 7, 7},
        {"clipped to the selection", WA_GRAY, {left, Brush(3, 1, 0, 50), {{40, 30}}}, QnRect{15, 5, 40, 55}, 38, 30, 252, 255},
        {"lighter stops at 255", WA_RGB24, {all, Brush(3, 1, 0, 50), {{40, 30}}}, QnRect{15, 5, 65, 55}, 40, 30, 252, 255},
        {"darker stops at 0", WA_RGB24, {all, Brush(4, 1, 0, 50), {{40, 30}}}, QnRect{15, 5, 65, 55}, 40, 30, 3, 0},
        {"two dabs add up", WA_GRAY, {all, Brush(3, 1, 0, 50), {{40, 30}, {41, 30}}}, QnRect{15, 5, 66, 55}, 40, 30, 100, 110},
        {"grey level of the colour", WA_GRAY, {all, Brush(0, 1, 0, 50, 0x5A3C1E), {{40, 30}}}, QnRect{15, 5, 65, 55}, 40, 30, 0, 60},
        {"unknown mode paints nothing", WA_RGB24, {all, Brush(5, 1, 0, 50), {{40, 30}}}, QnRect{15, 5, 65, 55}, 40, 30, 9, 9},
        {"paletted pictures are not painted", WA_8BIT, {all, Brush(0, 1, 0, 50), {{40, 30}}}, QnRect{15, 5, 65, 55}, 40, 30, 9, 9},
        {"smudge from its own centre copies", WA_RGB24, {all, Brush(2, 0, 2, 30), {{40, 30}}, {40, 30}}, QnRect{25, 15, 55, 45}, 40, 30, 9, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<PALETTEENTRY> palette(256);
        PpQnPicture picture(W, H, c.type, c.type == WA_8BIT ? palette.data() : nullptr);
        const int32_t bpp = c.type == WA_RGB24 ? 3 : 1;
        {
            PictureRowAccess rows(picture, QnRect{0, 0, W, H});
            for (int32_t y = 0; y < H; ++y)
                std::fill_n(rows.Row(y), size_t(W) * size_t(bpp), c.before);
        }
        const PpFlRectPict answer = Paint(picture, c.stroke);
        EXPECT_EQ(answer->Rect().left, c.rect.left);
        EXPECT_EQ(answer->Rect().top, c.rect.top);
        EXPECT_EQ(answer->Rect().right, c.rect.right);
        EXPECT_EQ(answer->Rect().bottom, c.rect.bottom);
        Image after = Read(PpQnRenderObj(answer->Picture()), W, H, bpp);
        for (int32_t ch = 0; ch < bpp; ++ch)
            EXPECT_EQ(after.At(c.x, c.y)[ch], c.after) << "channel " << ch;
    }
}

TEST(PaintFunction, SmudgePullsColourAlongTheStroke)
{
    // A horizontal ramp smudged by a hard square dab moving right: every
    // fully covered pixel takes its left neighbour's value, one pixel back
    // along the stroke; the rest of the square stays.
    constexpr int32_t W = 100, H = 60;
    PpQnPicture picture(W, H, WA_GRAY, nullptr);
    {
        PictureRowAccess rows(picture, QnRect{0, 0, W, H});
        for (int32_t y = 0; y < H; ++y)
            for (int32_t x = 0; x < W; ++x)
                rows.Row(y)[x] = uint8_t(2 * x);
    }
    const Stroke s{QnRgn(QnRect{0, 0, W, H}), Brush(2, 1, 0, 50), {{50, 30}}, {10, 30}};
    const Image after = Read(PpQnRenderObj(Paint(picture, s)->Picture()), W, H, 1);
    Image copy = after;
    for (int32_t y = 5; y < 55; ++y)
        for (int32_t x = 25; x < 75; ++x) {
            const bool covered = x >= 30 && x < 70 && y >= 10 && y < 50;
            ASSERT_EQ(copy.At(x, y)[0], covered ? 2 * (x - 1) : 2 * x) << x << "," << y;
        }
}

TEST(PaintFunction, ASoftDiagonalSmudgeDabPullsEachPixelByItsCoverage)
{
    // An anti-diagonal soft dab (upside down it is the other diagonal),
    // pulled up and right at a slant, its right part outside the selection.
    constexpr int32_t W = 80, H = 70;
    const QnRgn selection(QnRect{0, 0, 50, H});
    const PpQnRenderObj mask = MaskOf(selection, W, H);
    const QnPoint centre{40, 35};
    const Stroke s{selection, Brush(2, 3, 2, 35), {centre}, {10, 52}};
    const QnRect sq = Square(centre, 35);
    for (int type : {WA_RGB24, WA_GRAY}) {
        SCOPED_TRACE(type);
        const int32_t bpp = type == WA_RGB24 ? 3 : 1;
        const PpQnPicture before = RandomPicture(type, W, H, 7);
        const Image original = Read(PpQnRenderObj(before), W, H, bpp);
        Image expected;
        {
            auto lock = BrushDabLock();
            const BrushDabMask dab = MakeBrushDab(35, 3, 2);
            expected = SmudgeReference(original, Read(mask, W, H, 1), sq, dab, 30, -17);
        }
        const Image after = Read(PpQnRenderObj(Paint(before, s)->Picture()), W, H, bpp);
        int32_t wrong = 0, changed = 0;
        for (size_t n = 0; n < after.bytes.size(); ++n) {
            wrong += after.bytes[n] != expected.bytes[n];
            changed += after.bytes[n] != original.bytes[n];
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(changed, 100 * bpp);
    }
}

TEST(PaintFunction, TheSameStrokeSpraysTheSamePixelsAgain)
{
    const PpQnPicture picture = RandomPicture(WA_RGB24, 90, 70, 3);
    const Stroke s{QnRgn(QnRect{0, 0, 90, 70}), Brush(1, 0, 1, 31), {{20, 20}, {50, 40}, {70, 60}}};
    const Image first = Read(PpQnRenderObj(Paint(picture, s)->Picture()), 90, 70, 3);
    const Image second = Read(PpQnRenderObj(Paint(picture, s)->Picture()), 90, 70, 3);
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first == Read(PpQnRenderObj(picture), 90, 70, 3));
}

TEST(PaintFunction, AWrongArgumentRaisesTheCastError)
{
    const PpQnPicture picture = RandomPicture(WA_RGB24, 20, 20, 1);
    const PpQnExpr e = MakePaintExpr(PpQnExpr(PpQnFlVal(picture)), PpQnExpr(PpQnFlVal(picture)),
                                     PpQnExpr(PpQnFlVal(picture)), PpQnExpr(PpQnFlVal(MakeFlPointArray({}))),
                                     PpQnExpr(PpQnFlVal(MakeFlPoint(QnPoint{1, 0}))));
    QnMachineContext m;
    EXPECT_THROW(m.eval(e, nullptr), QnExcept);
}
