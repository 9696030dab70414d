#include "editor/operations/ShiftedObj.h"

#include "render/PixConverter.h"

namespace {

QnRect Moved(const QnRect& r, int32_t dx, int32_t dy)
{
    return QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

QnShiftedObj::QnShiftedObj(const PpQnRenderObj& source, int32_t dx, int32_t dy)
    : QnRenderObj(1, 0), source_(source.Get()), dx_(dx), dy_(dy)
{
}

PpQnShiftedObj::PpQnShiftedObj(const PpQnRenderObj& source, int32_t dx, int32_t dy)
    : QnPp(QnCreate<QnShiftedObj>(source, dx, dy))
{
}

void QnShiftedObj::MarkFixedObjects(Visitor visit)
{
    visit(source_);
}

QnRect QnShiftedObj::GetRect_I(const QnXFormXY& xf)
{
    return Moved(source_->GetRect(xf), dx_, dy_);
}

PpQnPixBuf QnShiftedObj::Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                                  QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    QnRect sourceGot;
    PpQnPixBuf pixels = source_->Render(xf, plane, QnPoint{anchor.x - dx_, anchor.y - dy_},
                                        Moved(request, -dx_, -dy_), &sourceGot, progress, rectOnly);
    const QnRect moved = Moved(sourceGot, dx_, dy_);
    if (got)
        *got = moved;
    if (rectOnly)
        return pixels;
    // The same rows of the same store, under the moved rectangle.
    return PpQnPixBuf(pixels, moved, 0, 0, 0);
}

PpQnPixConverter QnShiftedObj::GetConverterToStd()
{
    return PpQnPixConverter(PpQnPixConverter::TAG{});
}
