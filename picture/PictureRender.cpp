// A picture as a render object: at the identity transform it hands out views
// of its tiles; under any other transform it renders through the stretch
// object it keeps for the last such transform. While its full pixels wait
// to be decoded, a screen that shows it reduced enough draws its preview.
#include "picture/Picture.h"

#include "picture/CSConv.h"
#include "picture/DeferredPixels.h"
#include "picture/PictureRcStr.h"
#include "picture/TiledPiece.h"

QnRect QnPicture::GetRect_I(const QnXFormXY& xf) { return xf.XForm(QnRect{0, 0, width_, height_}, QN_XF_SORTED); }

PpQnPixConverter QnPicture::GetConverterToStd()
{
    switch (type_) {
    case WA_1BIT:
    case WA_4BIT:
    case WA_8BIT:
        return PpQnCS(PpQnCS::FROM_PAL_A, palette_.data(), paletteSize_);
    case WA_GRAY:
        return PpQnCS(PpQnCS::FROM_GRAY_A);
    default:
        return PpQnPixConverter(PpQnPixConverter::TAG{});
    }
}

PpQnRenderObj QnPicture::GetZoomSource(const QnXFormXY& zoom, QnXFormXY* stretch)
{
    if (deferred_)
        if (const std::optional<QnXFormXY> shown = deferred_->PreviewXForm(zoom)) {
            *stretch = *shown;
            return PpQnRenderObj(deferred_->preview.Get());
        }
    return QnRenderObj::GetZoomSource(zoom, stretch);
}

PpQnPixBuf QnPicture::Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                               QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    if (!QnIsIdentity(xf)) {
        const int32_t smooth = IsHalfToned() ? 1 : 0;
        const QnStretchRenderObj::PlaneFmt formats[2] = {{bytesPerPixel_, 1, bytesPerPixel_, smooth}, {1, 1, 1, 1}};
        PpQnRenderObj stretch = stretch_.Get(xf, this, formats);
        return stretch->Render(QnXFormXY(), plane, anchor, request, got, progress, rectOnly);
    }
    if (!rectOnly)
        QnShowRendering(progress);
    if (plane != 0 && plane != 1)
        QN_PICTURE_RAISE(QN_PIC_BAD_PLANE_REQUEST, "Picture");
    const QnTiledPiece piece = QnTiledPieceFor(anchor, QnRect{0, 0, width_, height_}, request);
    if (got)
        *got = piece.got;
    if (rectOnly)
        return PpQnPixBuf();
    if (plane == 1)
        return QnTileView(piece.inside ? blanks_.opaque : blanks_.transparent, piece, 1);
    if (!piece.inside)
        return QnTileView(blanks_.black, piece, bytesPerPixel_);
    return QnTileView(TileFor(TileIndex(anchor.x, anchor.y)), piece, bytesPerPixel_);
}
