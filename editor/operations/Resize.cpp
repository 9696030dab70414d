// Resize by nearest sample through a stretching render object, and resample
// by bilinear interpolation with weights in fifteenths.
#include <climits>
#include <vector>

#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureFunctions.h"
#include "editor/operations/PictureWorker.h"
#include "editor/operations/TileWalk.h"
#include "render/StretchRenderObj.h"

namespace {

struct NewSize {
    int32_t width, height, xRes, yRes;
};

NewSize SizeArgs(QnMachineContext& m)
{
    return NewSize{IntArg(m, 2, __LINE__), IntArg(m, 3, __LINE__), IntArg(m, 4, __LINE__), IntArg(m, 5, __LINE__)};
}

// The same size: a copy of the picture with the new resolutions, or null.
PpQnPicture SameSizeCopy(const PpQnPicture& picture, const NewSize& size)
{
    const QnRect r = picture->GetRect(QnXFormXY());
    if (size.width != r.Width() || size.height != r.Height())
        return PpQnPicture();
    PpQnPicture copy(picture, 1);
    copy->SetHRes(size.xRes);
    copy->SetVRes(size.yRes);
    return copy;
}

// Source positions of one axis: index and fraction in sixteenths, with the
// half difference of the two lengths centring the samples.
void SampleTable(int32_t sourceLength, int32_t newLength, std::vector<int32_t>& index, std::vector<int32_t>& fraction)
{
    index.resize(size_t(newLength));
    fraction.resize(size_t(newLength));
    for (int32_t i = 0; i < newLength; ++i) {
        const int64_t p = int64_t(i) * sourceLength + (int64_t(sourceLength) - newLength) / 2;
        index[size_t(i)] = p <= 0 ? 0 : int32_t(p / newLength);
        fraction[size_t(i)] = p <= 0 ? 0 : int32_t(((p % newLength) * 16) / newLength);
    }
}

// Rows of a resample are mixed in two passes: each source row a piece
// needs is interpolated across once, in fifteenths (a byte times 15 fits
// 16 bits), and each result row mixes two such rows down, out of 225. The
// sum is the four-neighbour weighted sum exactly.
template <int Bpp>
void AcrossRow(uint16_t* out, const uint8_t* row, const int32_t* column, const int32_t* fx, int32_t count)
{
    for (int32_t i = 0; i < count; ++i, out += Bpp) {
        const uint8_t* a = row + column[i];
        const uint32_t wx1 = uint32_t(fx[i]), wx0 = 15 - wx1;
        for (int c = 0; c < Bpp; ++c)
            out[c] = uint16_t(wx0 * a[c] + wx1 * a[c + Bpp]);
    }
}

void DownRow(uint8_t* out, const uint16_t* upper, const uint16_t* lower, size_t bytes, int32_t fy)
{
    const uint32_t wy1 = uint32_t(fy), wy0 = 15 - wy1;
    for (size_t i = 0; i < bytes; ++i)
        out[i] = uint8_t((wy0 * upper[i] + wy1 * lower[i]) / 225u);
}

}  // namespace

PpQnExpr ResizeFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture picture = PictureArg(m, 1, __LINE__);
    const NewSize size = SizeArgs(m);
    if (const PpQnPicture copy = SameSizeCopy(picture, size))
        return PictureValue(copy);

    const int type = picture->Type();
    PALETTEENTRY palette[256] = {};
    if (type == WA_4BIT || type == WA_8BIT)
        picture->GetPaletteEntries(0, 256, palette);
    const PpQnPicture result(size.width, size.height, type, palette);
    result->SetHRes(size.xRes);
    result->SetVRes(size.yRes);

    const QnRect r = picture->GetRect(QnXFormXY());
    const int32_t bpp = WorkerBytesPerPixel(*picture);
    const QnStretchRenderObj::PlaneFmt format{bpp, 1, bpp, type == WA_RGB24 || type == WA_GRAY ? 1 : 0};
    const PpQnRenderObj stretch = PpQnStretchRenderObj(
        QnXFormXY(QnXForm(r.left, r.right, 0, size.width), QnXForm(r.top, r.bottom, 0, size.height)), 0,
        PpQnRenderObj(picture), 1, &format, PpQnPixConverter(PpQnPixConverter::TAG{}), -1);

    WorkerProgress progress(control, IDS_RESIZING, uint64_t(size.width) * uint64_t(size.height));
    CopyIntoTiles(stretch, result, progress.Indicator(), progress.Done(), progress.Total(), kPictureWorkerFile);
    return PictureValue(result);
}

PpQnExpr ResampleFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture picture = PictureArg(m, 1, __LINE__);
    const NewSize size = SizeArgs(m);
    if (const PpQnPicture copy = SameSizeCopy(picture, size))
        return PictureValue(copy);

    const PpQnPicture result(size.width, size.height, picture->Type(), nullptr);
    result->SetHRes(size.xRes);
    result->SetVRes(size.yRes);

    const QnRect r = picture->GetRect(QnXFormXY());
    std::vector<int32_t> xs, fxs, ys, fys;
    SampleTable(int32_t(r.Width()), size.width, xs, fxs);
    SampleTable(int32_t(r.Height()), size.height, ys, fys);

    const int32_t bpp = WorkerBytesPerPixel(*picture);
    // The window covers every sample of a piece with its right and lower
    // neighbours; beyond the picture's edges the picture answers for itself.
    SourceWindow source(PpQnRenderObj(picture), bpp);
    std::vector<int32_t> columns;
    std::vector<uint16_t> across[2];
    WorkerProgress progress(control, IDS_RESAMPLING, uint64_t(size.width) * uint64_t(size.height));
    ForEachTilePiece(result, QnRgn(QnRect{0, 0, size.width, size.height}), progress, [&](const TilePiece& t) {
        const QnRect& p = t.piece;
        const QnRect window{xs[size_t(p.left)], ys[size_t(p.top)], xs[size_t(p.right - 1)] + 2,
                            ys[size_t(p.bottom - 1)] + 2};
        source.Load(window);
        const int32_t count = int32_t(p.Width());
        const size_t bytes = size_t(count) * size_t(bpp);
        columns.resize(size_t(count));
        for (int32_t x = p.left; x < p.right; ++x)
            columns[size_t(x - p.left)] = (xs[size_t(x)] - window.left) * bpp;
        across[0].resize(bytes);
        across[1].resize(bytes);
        const int32_t* fx = &fxs[size_t(p.left)];
        // across[upper] holds source row held, across[1 - upper] the row below.
        int32_t held = INT32_MIN, upper = 0;
        const auto acrossRow = [&](uint16_t* out, int32_t sy) {
            const uint8_t* row = source.At(window.left, sy);
            bpp == 3 ? AcrossRow<3>(out, row, columns.data(), fx, count)
                     : AcrossRow<1>(out, row, columns.data(), fx, count);
        };
        for (int32_t y = p.top; y < p.bottom; ++y) {
            const int32_t sy = ys[size_t(y)];
            if (sy == held + 1) {
                upper = 1 - upper;
                acrossRow(across[1 - upper].data(), sy + 1);
            } else if (sy != held) {
                acrossRow(across[upper].data(), sy);
                acrossRow(across[1 - upper].data(), sy + 1);
            }
            held = sy;
            DownRow(t.At(p.left, y, bpp), across[upper].data(), across[1 - upper].data(), bytes, fys[size_t(y)]);
        }
    });
    return PictureValue(result);
}
