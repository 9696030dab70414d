#include "picture/Layer.h"

#include "picture/PictureRcStr.h"
#include "render/PixConverter.h"
#include "render/RenderRcStr.h"

namespace {

// The piece of a source's answer over got, checked to hold it.
struct Piece {
    PpQnPixBuf buf{nullptr};
    QnRect rect;
};

const uint8_t* At(const Piece& p, const QnRect& got, int32_t row, int32_t bytes)
{
    return p.buf->CRow(got.top - p.rect.top + row) + size_t(got.left - p.rect.left) * bytes;
}

void Check(const Piece& p, const QnRect& got, int32_t bytes)
{
    if (QnIntersectRect(p.buf->GetRect(), got) != got || p.buf->GetRect() != p.rect || !p.buf->Holds(bytes))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "Layer");
}

uint32_t Over(uint32_t a, uint32_t b) { return a + b - a * b / 255; }

void ShowRow(QnRenderProgress* progress, int32_t done)
{
    if (!progress)
        return;
    if (progress->IsAborted())
        QN_PICTURE_RAISE(QN_PIC_USER_ABORT, "Layer");
    progress->SetCurrent(done);
}

void StartBlend(QnRenderProgress* progress, int32_t rows)
{
    if (!progress)
        return;
    progress->SetText(QnPictureText(QN_PIC_COMBINING).c_str());
    progress->SetTotal(rows);
}

} // namespace

QnLayer::QnLayer(QnRenderObj* upper, QnRenderObj* lower) : QnRenderObj(1, 0), upper_(upper), lower_(lower) {}

namespace {

QnPp<QnLayer> MakeLayer(const PpQnRenderObj& upper, const PpQnRenderObj& lower)
{
    const PpQnPixConverter standard(PpQnPixConverter::TAG{});
    PpQnRenderObj u = upper->GetSpacedRender(standard, 0);
    PpQnRenderObj l = lower->GetSpacedRender(standard, 0);
    return QnCreate<QnLayer>(u.Get(), l.Get());
}

} // namespace

PpQnLayer::PpQnLayer(const PpQnRenderObj& upper, const PpQnRenderObj& lower) : QnPp(MakeLayer(upper, lower)) {}

void QnLayer::MarkFixedObjects(Visitor visit)
{
    visit(upper_);
    visit(lower_);
}

int QnLayer::Compare(const PpQnFlVal& other) const
{
    const auto* layer = dynamic_cast<const QnLayer*>(other.Get());
    if (!layer)
        return 1;
    if (const int byUpper = CompareObjects(upper_, layer->upper_))
        return byUpper;
    return CompareObjects(lower_, layer->lower_);
}

QnRect QnLayer::GetRect_I(const QnXFormXY& xf) { return QnExtendBox(upper_->GetRect(xf), lower_->GetRect(xf)); }

PpQnPixConverter QnLayer::GetConverterToStd() { return PpQnPixConverter(PpQnPixConverter::TAG{}); }

PpQnPixBuf QnLayer::Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                             QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    if (plane == 0)
        return BlendColour(xf, anchor, request, got, progress, rectOnly);
    if (plane == 1)
        return BlendAlpha(xf, anchor, request, got, progress, rectOnly);
    QN_PICTURE_RAISE(QN_PIC_BAD_PLANE_REQUEST, "Layer");
}

PpQnPixBuf QnLayer::BlendColour(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request, QnRect* got,
                                QnRenderProgress* progress, int rectOnly)
{
    Piece lowerC, upperC, lowerA, upperA;
    struct Step {
        QnRenderObj* source;
        int plane;
        Piece* piece;
    } steps[4] = {{lower_, 0, &lowerC}, {upper_, 0, &upperC}, {lower_, 1, &lowerA}, {upper_, 1, &upperA}};
    QnRect part = request;
    for (int i = 0; i < 4; ++i) {
        QnRenderProgress::Scale scale(progress, i, i + 1, 5);
        Piece& p = *steps[i].piece;
        p.buf = steps[i].source->Render(xf, steps[i].plane, anchor, request, &p.rect, progress, rectOnly);
        part = QnIntersectRect(part, p.rect);
    }
    if (got)
        *got = part;
    if (rectOnly || part.IsEmpty())
        return PpQnPixBuf();
    Check(lowerC, part, 3);
    Check(upperC, part, 3);
    Check(lowerA, part, 1);
    Check(upperA, part, 1);

    PpQnPixBuf out = PpQnPixBuf::ForRect(part, 3);
    QnRenderProgress::Scale scale(progress, 4, 5, 5);
    const int32_t rows = int32_t(part.Height()), width = int32_t(part.Width());
    StartBlend(progress, rows);
    for (int32_t y = rows - 1; y >= 0; --y) {
        const uint8_t* cl = At(lowerC, part, y, 3);
        const uint8_t* cu = At(upperC, part, y, 3);
        const uint8_t* al = At(lowerA, part, y, 1);
        const uint8_t* au = At(upperA, part, y, 1);
        uint8_t* dst = out->Row(y);
        for (int32_t x = 0; x < width; ++x, cl += 3, cu += 3, dst += 3) {
            const uint32_t a = au[x], b = al[x];
            const uint32_t A = Over(a, b);
            if (A == 0) {
                dst[0] = dst[1] = dst[2] = 0;
                continue;
            }
            const uint32_t rest = A - a;
            for (int k = 0; k < 3; ++k)
                dst[k] = uint8_t((a * cu[k] + cl[k] * rest) / A);
        }
        ShowRow(progress, rows - y);
    }
    return out;
}

PpQnPixBuf QnLayer::BlendAlpha(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request, QnRect* got,
                               QnRenderProgress* progress, int rectOnly)
{
    Piece lowerA, upperA;
    {
        QnRenderProgress::Scale scale(progress, 0, 1, 3);
        lowerA.buf = lower_->Render(xf, 1, anchor, request, &lowerA.rect, progress, rectOnly);
    }
    {
        QnRenderProgress::Scale scale(progress, 1, 2, 3);
        upperA.buf = upper_->Render(xf, 1, anchor, request, &upperA.rect, progress, rectOnly);
    }
    const QnRect part = QnIntersectRect(lowerA.rect, upperA.rect);
    if (got)
        *got = part;
    if (rectOnly || part.IsEmpty())
        return PpQnPixBuf();
    Check(lowerA, part, 1);
    Check(upperA, part, 1);

    PpQnPixBuf out = PpQnPixBuf::ForRect(part, 1);
    QnRenderProgress::Scale scale(progress, 2, 3, 3);
    const int32_t rows = int32_t(part.Height()), width = int32_t(part.Width());
    StartBlend(progress, rows);
    for (int32_t y = rows - 1; y >= 0; --y) {
        const uint8_t* al = At(lowerA, part, y, 1);
        const uint8_t* au = At(upperA, part, y, 1);
        uint8_t* dst = out->Row(y);
        for (int32_t x = 0; x < width; ++x)
            dst[x] = uint8_t(Over(au[x], al[x]));
        ShowRow(progress, rows - y);
    }
    return out;
}
