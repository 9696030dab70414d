// Rotation: quarter turns and flips move every pixel of every type exactly;
// any other angle, nearest and smooth, whole picture and selection, matches
// a reference worked out here pixel by pixel from the fixed-point formulas.
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

#include "editor/operations/MaskRenderObj.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/operations/FlRgn.h"
#include "lang/FlInt.h"

#include "PictureOpsSupport.h"

#include <gtest/gtest.h>

namespace {

PpQnExpr Int(long v) { return PpQnExpr(PpQnFlVal(int32_t(v))); }

PpQnExpr Rotate(long angle, long colour, int mirror, int smooth, const PpQnPicture& p)
{
    RegisterPictureFunctions();
    PpQnExpr e(RotateFunctionId, -1);
    for (const PpQnExpr& a : {Int(angle), Int(colour), Int(mirror), Int(smooth), Value(p)})
        e = PpQnExpr(e, a);
    return e;
}

PpQnExpr RotateSelection(long angle, int mirror, int smooth, const PpQnPicture& p, const PpQnExpr& mask)
{
    RegisterPictureFunctions();
    PpQnExpr e(RotateSelectionFunctionId, -1);
    for (const PpQnExpr& a : {Int(angle), Int(mirror), Int(smooth), Value(p), mask})
        e = PpQnExpr(e, a);
    return e;
}

PpQnExpr MaskExpr(const QnRect& box, int32_t w, int32_t h)
{
    return MakeRgnToSelectExpr(MakeRgnValueExpr(QnRgn(box)), w, h);
}

int64_t Fx(long double v) { return int64_t(4096.0L * v + 0.5L); }

struct Trig {
    long double s, c;
    int64_t C, S;
};

Trig TrigOf(long a)
{
    const long double t = (long double)(2 * a) * 3.14159265359L * (1.0L / 360.0L);
    return Trig{std::sin(t), std::cos(t), Fx(std::cos(t)), Fx(std::sin(t))};
}

// The four bilinear neighbours of (u, v) with their weights out of 225.
struct Taps {
    int64_t x[4], y[4];
    uint32_t w[4];
};

Taps TapsOf(int64_t u, int64_t v, bool mirror, int64_t axis)
{
    int64_t us = ((u - 2048) * 16) / 4096;
    const int64_t vs = ((v - 2048) * 16) / 4096;
    if (mirror)
        us = 16 * axis - us;
    const int64_t x0 = us >> 4, y0 = vs >> 4;
    const uint32_t fx = uint32_t(us & 15), fy = uint32_t(vs & 15);
    return Taps{{x0, x0 + 1, x0, x0 + 1}, {y0, y0, y0 + 1, y0 + 1},
                {(15 - fx) * (15 - fy), fx * (15 - fy), (15 - fx) * fy, fx * fy}};
}

bool In(const QnRect& r, int64_t x, int64_t y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

Pixels ReferenceRotate(const Pixels& src, long a, uint32_t colour, bool mirror, bool smooth)
{
    a = ReduceAngle(a);
    const Trig t = TrigOf(a);
    const long double w = src.width, h = src.height, s = t.s, c = t.c;
    Pixels out{int32_t(std::fabs(w * c) + std::fabs(h * s) + 0.9999L),
               int32_t(std::fabs(w * s) + std::fabs(h * c) + 0.9999L), src.bpp, {}};
    out.bytes.resize(size_t(out.width) * size_t(out.height) * size_t(src.bpp));
    long double tx = a < 90 ? h * s : a < 180 ? h * s - w * c : a < 270 ? -w * c : 0;
    long double ty = a < 90 ? 0 : a < 180 ? -h * c : a < 270 ? -w * s - h * c : -w * s;
    tx -= 0.5L, ty -= 0.5L;
    const int64_t P1 = Fx(tx * c), P2 = Fx(ty * c), P3 = Fx(tx * s), P4 = Fx(ty * s);
    const uint8_t r = colour & 255, g = (colour >> 8) & 255, b = (colour >> 16) & 255;
    const uint8_t bg[3] = {src.bpp == 3 ? b : uint8_t((r + g + b) / 3), g, r};
    const QnRect A{0, 0, src.width, src.height};
    for (int64_t Y = 0; Y < out.height; ++Y)
        for (int64_t X = 0; X < out.width; ++X) {
            const int64_t u = X * t.C + Y * t.S - P1 - P4, v = Y * t.C - X * t.S + P3 - P2;
            uint8_t* o = &out.bytes[size_t(Y * out.width + X) * size_t(src.bpp)];
            for (int k = 0; k < src.bpp; ++k) {
                const uint8_t back = src.bpp == 3 ? bg[k] : bg[0];
                if (!smooth) {
                    int64_t sx = u / 4096;
                    const int64_t sy = v / 4096;
                    if (mirror)
                        sx = src.width - 1 - sx;
                    o[k] = In(A, sx, sy) ? src.At(int32_t(sx), int32_t(sy))[k] : back;
                    continue;
                }
                const Taps n = TapsOf(u, v, mirror, src.width - 1);
                uint32_t sum = 0;
                for (int i = 0; i < 4; ++i)
                    sum += n.w[i] * (In(A, n.x[i], n.y[i]) ? src.At(int32_t(n.x[i]), int32_t(n.y[i]))[k] : back);
                o[k] = uint8_t(sum / 225);
            }
        }
    return out;
}

// mask holds 1 byte a pixel over maskRect.
Pixels ReferenceRotateSelection(const Pixels& src, const Pixels& mask, const QnRect& maskRect, long a, bool mirror,
                                bool smooth)
{
    a = ReduceAngle(a);
    const Trig t = TrigOf(a);
    const QnRect A{0, 0, src.width, src.height};
    const QnRect B = QnIntersectRect(maskRect, A);
    const long double bw = B.Width(), bh = B.Height(), s = t.s, c = t.c;
    const int32_t cx = (B.left + B.right) / 2, cy = (B.top + B.bottom) / 2;
    const int32_t hw = int32_t((std::fabs(bw * c) + std::fabs(bh * s) + 0.9999L + 1) * 0.5L);
    const int32_t hh = int32_t((std::fabs(bw * s) + std::fabs(bh * c) + 0.9999L + 1) * 0.5L);
    const QnRect R = QnIntersectRect(QnRect{cx - hw, cy - hh, cx + hw, cy + hh}, A);
    const int64_t X0 = int64_t(4096.0L * cx * (1 - c) - 4096.0L * cy * s + 0.5L);
    const int64_t Y0 = int64_t(4096.0L * cx * s + 4096.0L * cy * (1 - c) + 0.5L);
    const auto m = [&](int64_t x, int64_t y) -> uint32_t {
        return In(B, x, y) ? *mask.At(int32_t(x - maskRect.left), int32_t(y - maskRect.top)) : 0;
    };
    Pixels out = src;
    for (int64_t Y = R.top; Y < R.bottom; ++Y)
        for (int64_t X = R.left; X < R.right; ++X) {
            const int64_t u = X * t.C + Y * t.S + X0, v = Y * t.C - X * t.S + Y0;
            uint8_t* o = &out.bytes[size_t(Y * out.width + X) * size_t(src.bpp)];
            if (!smooth) {
                int64_t sx = u / 4096;
                const int64_t sy = v / 4096;
                if (mirror)
                    sx = 2 * cx - 1 - sx;
                const uint32_t mv = m(sx, sy);
                for (int k = 0; mv && k < src.bpp; ++k)
                    o[k] = uint8_t(((255 - mv) * o[k] + mv * src.At(int32_t(sx), int32_t(sy))[k]) / 255);
                continue;
            }
            const Taps n = TapsOf(u, v, mirror, 2 * cx - 1);
            uint32_t M = 0;
            for (int i = 0; i < 4; ++i)
                M += n.w[i] * m(n.x[i], n.y[i]);
            M /= 225;
            for (int k = 0; k < src.bpp; ++k) {
                uint32_t P = 0;
                for (int i = 0; i < 4; ++i)
                    if (uint32_t q = n.w[i] * m(n.x[i], n.y[i]))
                        P += q * src.At(int32_t(n.x[i]), int32_t(n.y[i]))[k];
                o[k] = uint8_t((P / 225 + (255 - M) * o[k]) / 255);
            }
        }
    return out;
}

// Where a quarter turn or flip takes each pixel: the source pixel of
// destination (x, y) of a w x h source.
struct Move {
    const char* name;
    PpQnExpr (*function)();
    bool swap;
    std::pair<int32_t, int32_t> (*from)(int32_t x, int32_t y, int32_t w, int32_t h);
};

}  // namespace

TEST(Rotate, QuarterTurnsAndFlipsMoveEveryPixelOfEveryType)
{
    const Move moves[] = {
        {"90", [] { return MakeRotateExpr(90, 0, 0, 0, 1); }, true,
         [](int32_t x, int32_t y, int32_t, int32_t h) { return std::pair{y, h - 1 - x}; }},
        {"-90", [] { return MakeRotateExpr(-90, 0, 0, 0, 1); }, true,
         [](int32_t x, int32_t y, int32_t w, int32_t) { return std::pair{w - 1 - y, x}; }},
        {"90 mirrored", [] { return MakeRotateExpr(90, 0, 1, 0, 0); }, true,
         [](int32_t x, int32_t y, int32_t w, int32_t h) { return std::pair{w - 1 - y, h - 1 - x}; }},
        {"180", [] { return MakeRotateExpr(180, 0, 0, 0, 1); }, false,
         [](int32_t x, int32_t y, int32_t w, int32_t h) { return std::pair{w - 1 - x, h - 1 - y}; }},
        {"flip h", [] { return MakeRotateExpr(0, 0, 1, 0, 0); }, false,
         [](int32_t x, int32_t y, int32_t w, int32_t) { return std::pair{w - 1 - x, y}; }},
        {"flip v", [] { return MakeRotateExpr(360, 0, 0, 1, 0); }, false,
         [](int32_t x, int32_t y, int32_t, int32_t h) { return std::pair{x, h - 1 - y}; }},
    };
    for (int type : {WA_1BIT, WA_4BIT, WA_8BIT, WA_GRAY, WA_RGB24}) {
        const PpQnPicture picture = MakePicture(type, 70, 131, uint32_t(type));
        const Pixels src = Read(picture);
        for (const Move& move : moves) {
            SCOPED_TRACE(std::string(move.name) + " type " + std::to_string(type));
            const PpQnPicture turned = EvalPicture(PpQnExpr(move.function(), Value(picture)));
            EXPECT_EQ(turned->Type(), type);
            const Pixels out = Read(turned);
            ASSERT_EQ(out.width, move.swap ? src.height : src.width);
            ASSERT_EQ(out.height, move.swap ? src.width : src.height);
            int wrong = 0;
            for (int32_t y = 0; y < out.height; ++y)
                for (int32_t x = 0; x < out.width; ++x) {
                    const auto [sx, sy] = move.from(x, y, src.width, src.height);
                    wrong += std::memcmp(out.At(x, y), src.At(sx, sy), size_t(src.bpp)) != 0;
                }
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(Rotate, AnyAngleMatchesTheFixedPointReference)
{
    for (int type : {WA_GRAY, WA_RGB24}) {
        const PpQnPicture picture = MakePicture(type, 83, 70, 7);
        const Pixels src = Read(picture);
        for (long angle : {0L, 1L, 17L, 45L, 133L, 200L, 300L, -17L, 719L})
            for (int mirror : {0, 1})
                for (int smooth : {0, 1}) {
                    SCOPED_TRACE(::testing::Message() << "type " << type << " angle " << angle << " mirror " << mirror
                                                      << " smooth " << smooth);
                    const Pixels out = Read(EvalPicture(Rotate(angle, 0x00ff4010, mirror, smooth, picture)));
                    EXPECT_TRUE(out == ReferenceRotate(src, angle, 0x00ff4010, mirror, smooth));
                }
    }
}

TEST(Rotate, SizesBackgroundAndTheUnchangedTurn)
{
    const PpQnPicture square = MakePicture(WA_GRAY, 100, 100);
    const Pixels turned = Read(EvalPicture(Rotate(45, 0x00ff0000, 0, 0, square)));
    EXPECT_EQ(turned.width, 142);
    EXPECT_EQ(turned.height, 142);
    EXPECT_EQ(*turned.At(0, 0), 85); // blue 255 on grey
    for (int smooth : {0, 1})
        EXPECT_TRUE(Read(EvalPicture(Rotate(-360, 0, 0, smooth, square))) == Read(square));
}

TEST(Rotate, SelectionMatchesTheReference)
{
    const int32_t w = 90, h = 75;
    // A box mask partly outside the picture, and a grey picture as a mask
    // of every weight.
    const QnRect box{20, 10, 130, 50};
    const PpQnRenderObj boxMask(dynamic_cast<QnRenderObj*>(EvalValue(MaskExpr(box, w, h)).Get()));
    const PpQnPicture weights = MakePicture(WA_GRAY, w, h, 3);
    struct Mask {
        PpQnExpr expr;
        Pixels bytes;
        QnRect rect;
    } masks[] = {{MaskExpr(box, w, h), Read(boxMask, 1), box},
                 {Value(weights), Read(weights), QnRect{0, 0, w, h}}};
    for (int type : {WA_GRAY, WA_RGB24}) {
        const PpQnPicture picture = MakePicture(type, w, h, 11);
        const Pixels src = Read(picture);
        for (const Mask& mask : masks)
            for (long angle : {17L, 90L, 250L})
                for (int mirror : {0, 1})
                    for (int smooth : {0, 1}) {
                        SCOPED_TRACE(::testing::Message() << "type " << type << " angle " << angle << " mirror "
                                                          << mirror << " smooth " << smooth);
                        const Pixels out =
                            Read(EvalPicture(RotateSelection(angle, mirror, smooth, picture, mask.expr)));
                        EXPECT_TRUE(out == ReferenceRotateSelection(src, mask.bytes, mask.rect, angle, mirror, smooth));
                    }
    }
}
