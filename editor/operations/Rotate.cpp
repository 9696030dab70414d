// Rotation by any whole number of degrees, of the whole picture or of the
// selected part, by nearest pixel or bilinear sampling. Destination pixels
// are mapped back to the source with fixed-point sums (12 fractional bits);
// positive angles turn clockwise on the screen.
#include <algorithm>
#include <cmath>

#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/PictureFunctions.h"
#include "editor/operations/PictureWorker.h"

namespace {

constexpr int64_t kOne = 4096;

int64_t Fixed(long double v) { return int64_t(4096.0L * v + 0.5L); }

int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The mapping of destination pixel (X, Y) to the source:
// u = X * C + Y * S + u0, v = Y * C - X * S + v0 (in 4096ths), and the axis
// about which a mirror turns source columns (sx -> mirror - sx).
struct BackMap {
    int64_t C, S, u0, v0;
    bool mirror;
    int64_t mirrorX;
    long double s, c;
};

BackMap Turn(int32_t angle)
{
    const long double theta = (long double)(2 * angle) * 3.14159265359L * (1.0L / 360.0L);
    BackMap map{};
    map.s = std::sin(theta);
    map.c = std::cos(theta);
    map.C = Fixed(map.c);
    map.S = Fixed(map.s);
    return map;
}

// A side of the turned picture; 0.9999 keeps exact products from growing by one.
int32_t Extent(long double a, long double b) { return int32_t(std::fabs(a) + std::fabs(b) + 0.9999L); }

// The source rectangle that the piece's samples and their neighbours can
// reach, cut to limit.
QnRect SourceReach(const BackMap& map, const QnRect& piece, const QnRect& limit)
{
    int64_t uLo = INT64_MAX, uHi = INT64_MIN, vLo = INT64_MAX, vHi = INT64_MIN;
    for (int64_t X : {int64_t(piece.left), int64_t(piece.right) - 1}) {
        for (int64_t Y : {int64_t(piece.top), int64_t(piece.bottom) - 1}) {
            const int64_t u = X * map.C + Y * map.S + map.u0, v = Y * map.C - X * map.S + map.v0;
            uLo = std::min(uLo, u), uHi = std::max(uHi, u);
            vLo = std::min(vLo, v), vHi = std::max(vHi, v);
        }
    }
    int64_t xLo = FloorDiv(uLo, kOne) - 3, xHi = FloorDiv(uHi, kOne) + 3;
    if (map.mirror) {
        const int64_t lo = map.mirrorX - xHi;
        xHi = map.mirrorX - xLo;
        xLo = lo;
    }
    const int64_t yLo = FloorDiv(vLo, kOne) - 3, yHi = FloorDiv(vHi, kOne) + 3;
    const auto clamp = [](int64_t a, int32_t lo, int32_t hi) { return int32_t(std::clamp<int64_t>(a, lo, hi)); };
    const QnRect reach{clamp(xLo, limit.left, limit.right), clamp(yLo, limit.top, limit.bottom),
                       clamp(xHi + 1, limit.left, limit.right), clamp(yHi + 1, limit.top, limit.bottom)};
    return reach.IsEmpty() ? QnRect{} : reach;
}

bool Inside(const QnRect& r, int64_t x, int64_t y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Sample position of the bilinear workers in sixteenths of a pixel, moved
// to pixel centres.
struct Sub {
    int64_t x0, y0;
    uint32_t fx, fy;
};

Sub SubPixel(const BackMap& map, int64_t u, int64_t v)
{
    int64_t us = ((u - 2048) * 16) / kOne;
    const int64_t vs = ((v - 2048) * 16) / kOne;
    if (map.mirror)
        us = 16 * map.mirrorX - us;
    return Sub{us >> 4, vs >> 4, uint32_t(us & 15), uint32_t(vs & 15)};
}

// The four neighbours of a sample, weighted in fifteenths per axis; the sum
// over both axes is out of 225.
template <int Bpp>
void Blend(uint32_t* sum, const Sub& p, const uint8_t* a, const uint8_t* b, const uint8_t* c, const uint8_t* d)
{
    const uint32_t wx0 = 15 - p.fx, wy0 = 15 - p.fy;
    for (int k = 0; k < Bpp; ++k)
        sum[k] = wy0 * (wx0 * a[k] + p.fx * b[k]) + p.fy * (wx0 * c[k] + p.fx * d[k]);
}

template <int Bpp, bool Smooth>
void RotatePiece(const TilePiece& t, const BackMap& map, const QnRect& a, const SourceWindow& source,
                 const PixelValue& background)
{
    const QnRect& p = t.piece;
    for (int32_t Y = p.top; Y < p.bottom; ++Y) {
        int64_t u = int64_t(p.left) * map.C + int64_t(Y) * map.S + map.u0;
        int64_t v = int64_t(Y) * map.C - int64_t(p.left) * map.S + map.v0;
        uint8_t* out = t.At(p.left, Y, Bpp);
        for (int32_t X = p.left; X < p.right; ++X, u += map.C, v -= map.S, out += Bpp) {
            if constexpr (!Smooth) {
                int64_t sx = u / kOne;
                const int64_t sy = v / kOne;
                if (map.mirror)
                    sx = map.mirrorX - sx;
                const uint8_t* in = Inside(a, sx, sy) ? source.At(int32_t(sx), int32_t(sy)) : background.bytes;
                for (int k = 0; k < Bpp; ++k)
                    out[k] = in[k];
            } else {
                const Sub s = SubPixel(map, u, v);
                const int32_t x0 = int32_t(s.x0), y0 = int32_t(s.y0);
                uint32_t sum[Bpp];
                if (x0 >= a.left && x0 + 1 < a.right && y0 >= a.top && y0 + 1 < a.bottom) {
                    const uint8_t* q = source.At(x0, y0);
                    Blend<Bpp>(sum, s, q, q + Bpp, q + source.Stride(), q + source.Stride() + Bpp);
                } else {
                    const auto at = [&](int32_t x, int32_t y) {
                        return Inside(a, x, y) ? source.At(x, y) : background.bytes;
                    };
                    Blend<Bpp>(sum, s, at(x0, y0), at(x0 + 1, y0), at(x0, y0 + 1), at(x0 + 1, y0 + 1));
                }
                for (int k = 0; k < Bpp; ++k)
                    out[k] = uint8_t(sum[k] / 225u);
            }
        }
    }
}

PpQnExpr RotatePicture(const PpQnPicture& picture, int32_t angle, uint32_t colour, bool mirror, bool smooth,
                       QnEvalControl* control)
{
    angle = int32_t(ReduceAngle(angle));
    BackMap map = Turn(angle);
    const long double s = map.s, c = map.c;
    const QnRect a = picture->GetRect(QnXFormXY());
    const long double w = (long double)a.Width(), h = (long double)a.Height();
    const int32_t width = Extent(w * c, h * s), height = Extent(w * s, h * c);

    long double tx, ty;
    if (angle < 90)
        tx = h * s, ty = 0;
    else if (angle < 180)
        tx = h * s - w * c, ty = -h * c;
    else if (angle < 270)
        tx = -w * c, ty = -w * s - h * c;
    else
        tx = 0, ty = -w * s;
    tx -= 0.5L;
    ty -= 0.5L;
    map.u0 = -Fixed(tx * c) - Fixed(ty * s);
    map.v0 = Fixed(tx * s) - Fixed(ty * c);
    map.mirror = mirror;
    map.mirrorX = int64_t(a.Width()) - 1;

    const PpQnPicture result = NewPictureLike(*picture, width, height);
    const int32_t bpp = WorkerBytesPerPixel(*picture);
    const PixelValue background = BackgroundPixel(colour, bpp);
    SourceWindow source(PpQnRenderObj(picture), bpp);
    WorkerProgress progress(control, IDS_ROTATING, uint64_t(width) * uint64_t(height));
    ForEachTilePiece(result, QnRgn(QnRect{0, 0, width, height}), progress, [&](const TilePiece& t) {
        const QnRect reach = SourceReach(map, t.piece, a);
        if (!reach.IsEmpty())
            source.Load(reach);
        if (bpp == 3)
            smooth ? RotatePiece<3, true>(t, map, a, source, background)
                   : RotatePiece<3, false>(t, map, a, source, background);
        else
            smooth ? RotatePiece<1, true>(t, map, a, source, background)
                   : RotatePiece<1, false>(t, map, a, source, background);
    });
    return PictureValue(result);
}

template <int Bpp, bool Smooth>
void RotateSelectionPiece(const TilePiece& t, const BackMap& map, const QnRect& b, const SourceWindow& source,
                          const SourceWindow& mask)
{
    static const uint8_t kNone[3] = {};
    const QnRect& p = t.piece;
    for (int32_t Y = p.top; Y < p.bottom; ++Y) {
        int64_t u = int64_t(p.left) * map.C + int64_t(Y) * map.S + map.u0;
        int64_t v = int64_t(Y) * map.C - int64_t(p.left) * map.S + map.v0;
        uint8_t* out = t.At(p.left, Y, Bpp);
        for (int32_t X = p.left; X < p.right; ++X, u += map.C, v -= map.S, out += Bpp) {
            if constexpr (!Smooth) {
                int64_t sx = u / kOne;
                const int64_t sy = v / kOne;
                if (map.mirror)
                    sx = map.mirrorX - sx;
                if (!Inside(b, sx, sy))
                    continue;
                const uint32_t m = *mask.At(int32_t(sx), int32_t(sy));
                if (m == 0)
                    continue;
                const uint8_t* in = source.At(int32_t(sx), int32_t(sy));
                for (int k = 0; k < Bpp; ++k)
                    out[k] = uint8_t(((255 - m) * out[k] + m * in[k]) / 255u);
            } else {
                const Sub s = SubPixel(map, u, v);
                const int32_t x0 = int32_t(s.x0), y0 = int32_t(s.y0);
                const int32_t xs[4] = {x0, x0 + 1, x0, x0 + 1}, ys[4] = {y0, y0, y0 + 1, y0 + 1};
                const uint32_t wx0 = 15 - s.fx, wy0 = 15 - s.fy;
                const uint32_t weights[4] = {wx0 * wy0, s.fx * wy0, wx0 * s.fy, s.fx * s.fy};
                uint32_t sum[Bpp] = {}, coverage = 0;
                for (int i = 0; i < 4; ++i) {
                    if (!Inside(b, xs[i], ys[i]))
                        continue;
                    const uint32_t q = weights[i] * *mask.At(xs[i], ys[i]);
                    const uint8_t* in = q ? source.At(xs[i], ys[i]) : kNone;
                    coverage += q;
                    for (int k = 0; k < Bpp; ++k)
                        sum[k] += q * in[k];
                }
                const uint32_t m = coverage / 225u;
                for (int k = 0; k < Bpp; ++k)
                    out[k] = uint8_t((sum[k] / 225u + (255 - m) * out[k]) / 255u);
            }
        }
    }
}

PpQnExpr RotateSelection(const PpQnPicture& picture, const PpQnRenderObj& mask, int32_t angle, bool mirror,
                         bool smooth, QnEvalControl* control)
{
    angle = int32_t(ReduceAngle(angle));
    BackMap map = Turn(angle);
    const long double s = map.s, c = map.c;
    const QnRect a = picture->GetRect(QnXFormXY());
    QnRect b = mask->GetRect(QnXFormXY());
    if (!b.IsEmpty())
        b = QnIntersectRect(b, a);
    const long double bw = (long double)b.Width(), bh = (long double)b.Height();
    const int32_t cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    const int32_t hw = int32_t((std::fabs(bw * c) + std::fabs(bh * s) + 0.9999L + 1) * 0.5L);
    const int32_t hh = int32_t((std::fabs(bw * s) + std::fabs(bh * c) + 0.9999L + 1) * 0.5L);
    QnRect r{cx - hw, cy - hh, cx + hw, cy + hh};
    if (!r.IsEmpty())
        r = QnIntersectRect(r, a);
    map.u0 = int64_t(4096.0L * cx * (1 - c) - 4096.0L * cy * s + 0.5L);
    map.v0 = int64_t(4096.0L * cx * s + 4096.0L * cy * (1 - c) + 0.5L);
    map.mirror = mirror;
    map.mirrorX = 2 * int64_t(cx) - 1;

    const PpQnPicture result(picture, 1);
    const int32_t bpp = WorkerBytesPerPixel(*picture);
    SourceWindow source(PpQnRenderObj(picture), bpp);
    SourceWindow selected(mask, 1);
    WorkerProgress progress(control, IDS_ROTATING, uint64_t(r.Width()) * uint64_t(r.Height()));
    ForEachTilePiece(result, QnRgn(r), progress, [&](const TilePiece& t) {
        const QnRect reach = SourceReach(map, t.piece, b);
        if (reach.IsEmpty())
            return;
        source.Load(reach);
        selected.Load(reach);
        if (bpp == 3)
            smooth ? RotateSelectionPiece<3, true>(t, map, reach, source, selected)
                   : RotateSelectionPiece<3, false>(t, map, reach, source, selected);
        else
            smooth ? RotateSelectionPiece<1, true>(t, map, reach, source, selected)
                   : RotateSelectionPiece<1, false>(t, map, reach, source, selected);
    });
    return PictureValue(result);
}

}  // namespace

PpQnExpr RotateFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const int32_t angle = IntArg(m, 1, __LINE__);
    const uint32_t colour = uint32_t(IntArg(m, 2, __LINE__));
    const bool mirror = IntArg(m, 3, __LINE__) != 0;
    const bool smooth = IntArg(m, 4, __LINE__) != 0;
    const PpQnPicture picture = PictureArg(m, 5, __LINE__);
    return RotatePicture(picture, int32_t(ReduceAngle(angle)), colour, mirror, smooth, control);
}

PpQnExpr RotateSelectionFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const int32_t angle = IntArg(m, 1, __LINE__);
    const bool mirror = IntArg(m, 2, __LINE__) != 0;
    const bool smooth = IntArg(m, 3, __LINE__) != 0;
    const PpQnPicture picture = PictureArg(m, 4, __LINE__);
    const PpQnRenderObj mask = RenderArg(m, 5, __LINE__);
    return RotateSelection(picture, mask, int32_t(ReduceAngle(angle)), mirror, smooth, control);
}
