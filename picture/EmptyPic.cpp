#include "picture/EmptyPic.h"

#include "picture/PictureRcStr.h"
#include "picture/TiledPiece.h"
#include "render/PixConverter.h"

#include <functional>

QnEmptyPicture::QnEmptyPicture(const QnRect& rect) : QnRenderObj(1, 0), rect_(rect), blanks_(QnBlankTiles::Make()) {}

PpQnEmptyPicture::PpQnEmptyPicture(const QnRect& rect) : QnPp(QnCreate<QnEmptyPicture>(rect)) {}

int QnEmptyPicture::Compare(const PpQnFlVal& other) const
{
    const QnFlVal* self = this;
    return self == other.Get() ? 0 : std::less<const QnFlVal*>()(self, other.Get()) ? -1 : 1;
}

QnRect QnEmptyPicture::GetRect_I(const QnXFormXY& xf) { return xf.XForm(rect_, QN_XF_SORTED); }

PpQnPixConverter QnEmptyPicture::GetConverterToStd() { return PpQnPixConverter(PpQnPixConverter::TAG{}); }

PpQnPixBuf QnEmptyPicture::Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                                    QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    if (!QnIsIdentity(xf)) {
        const QnStretchRenderObj::PlaneFmt formats[2] = {{3, 1, 3, 1}, {1, 1, 1, 1}};
        PpQnRenderObj stretch = stretch_.Get(xf, this, formats);
        return stretch->Render(QnXFormXY(), plane, anchor, request, got, progress, rectOnly);
    }
    if (!rectOnly)
        QnShowRendering(progress);
    if (plane != 0 && plane != 1)
        QN_PICTURE_RAISE(QN_PIC_BAD_PLANE_REQUEST, "EmptyPic");
    const QnTiledPiece piece = QnTiledPieceFor(anchor, rect_, request);
    if (got)
        *got = piece.got;
    if (rectOnly)
        return PpQnPixBuf();
    if (plane == 0)
        return QnTileView(blanks_.black, piece, 3);
    return QnTileView(piece.inside ? blanks_.opaque : blanks_.transparent, piece, 1);
}
