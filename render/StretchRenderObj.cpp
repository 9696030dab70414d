#include "render/StretchRenderObj.h"

#include "render/PixCopy.h"
#include "render/RenderRcStr.h"
#include "render/Rgn.h"
#include "render/StretchTable.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

int32_t ValidPlanes(int32_t planes)
{
    if (planes < 0 || planes > QnStretchRenderObj::kMaxPlanes)
        QN_RENDER_RAISE(QN_RENDER_BAD_PLANE_COUNT, "Stretch");
    return planes;
}

bool IsIdentity(const QnXForm& m) { return m.anum() == 1 && m.bnum() == 0 && m.den() == 1; }

// True when the indices table[0 .. count-1], a monotone walk, all lie in
// [start, end).
bool WithinRange(const int32_t* table, int64_t count, int32_t start, int32_t end)
{
    const int32_t lo = std::min(table[0], table[count - 1]);
    const int32_t hi = std::max(table[0], table[count - 1]);
    return start <= lo && hi < end;
}

} // namespace

int32_t QnStretchRenderObj::GetStrOpt(const QnXForm& map, int options) { return QnGetStrOpt(map, options); }

void QnStretchRenderObj::FillRoughTable(int32_t* table, int32_t x0, int32_t count, const QnXForm& inverse)
{
    QnFillRoughTable(table, x0, count, inverse);
}

QnStretchRenderObj::QnStretchRenderObj(const QnXFormXY& stretch, int options, QnRenderObj* source, int32_t planes,
                                       const PlaneFmt* formats, QnPixConverter* converter, int32_t extra)
    : QnRenderObj(source->IsUnique(), 0), stretch_(stretch), invX_(1 / stretch.GetXFactor()),
      invY_(1 / stretch.GetYFactor()), xMethod_(GetStrOpt(stretch.GetXFactor(), options)),
      yMethod_(GetStrOpt(stretch.GetYFactor(), options)), source_(source), planes_(ValidPlanes(planes)),
      extra_(extra), converter_(converter)
{
    std::copy_n(formats, planes_, formats_);
}

PpQnStretchRenderObj::PpQnStretchRenderObj(const QnXFormXY& stretch, int options, const PpQnRenderObj& source,
                                           int32_t planes, const QnStretchRenderObj::PlaneFmt* formats,
                                           const PpQnPixConverter& converter, int32_t extra)
    : QnPp(QnCreate<QnStretchRenderObj>(stretch, options, source.Get(), planes, formats, converter.Get(), extra))
{
}

void QnStretchRenderObj::MarkFixedObjects(Visitor visit)
{
    visit(source_);
    visit(converter_);
}

int QnStretchRenderObj::Compare(const PpQnFlVal& other) const
{
    const auto* s = dynamic_cast<const QnStretchRenderObj*>(other.Get());
    if (!s)
        return 1;
    if (const int bySource = CompareObjects(source_, s->source_))
        return bySource;
    // Two stretches of one source at different scales are different pictures.
    auto key = [](const QnStretchRenderObj& o) {
        const QnXForm& x = o.stretch_.GetXFactor();
        const QnXForm& y = o.stretch_.GetYFactor();
        return std::make_tuple(x.anum(), x.bnum(), x.den(), y.anum(), y.bnum(), y.den(), o.planes_);
    };
    if (key(*this) != key(*s))
        return key(*this) < key(*s) ? -1 : 1;
    for (int32_t i = 0; i < planes_; ++i) {
        const PlaneFmt& a = formats_[i];
        const PlaneFmt& b = s->formats_[i];
        const auto ka = std::tie(a.first, a.second, a.bytesPerPixel, a.fourth);
        const auto kb = std::tie(b.first, b.second, b.bytesPerPixel, b.fourth);
        if (ka != kb)
            return ka < kb ? -1 : 1;
    }
    return 0;
}

QnRect QnStretchRenderObj::GetRect_I(const QnXFormXY& xf)
{
    return stretch_.XForm(source_->GetRect(xf), QN_XF_SORTED);
}

PpQnPixConverter QnStretchRenderObj::GetConverterToStd() { return PpQnPixConverter(converter_); }

void QnStretchRenderObj::CreateTables(const QnRect& r)
{
    const auto width = size_t(std::max<int64_t>(r.Width(), 0));
    const auto height = size_t(std::max<int64_t>(r.Height(), 0));
    if (xTable_.size() < width)
        xTable_.resize(width);
    if (yTable_.size() < height)
        yTable_.resize(height);
    FillRoughTable(xTable_.data(), r.left, int32_t(width), invX_);
    FillRoughTable(yTable_.data(), r.top, int32_t(height), invY_);
}

void QnStretchRenderObj::FreeXTables() { std::vector<int32_t>().swap(xTable_); }

void QnStretchRenderObj::FreeYTables() { std::vector<int32_t>().swap(yTable_); }

QnStretchRenderObj::Piece QnStretchRenderObj::CheckPiece(const QnRect& part, const QnPoint& srcAnchor,
                                                         const QnRect& block, const QnPoint& corner) const
{
    // The loop moves on only when every answer holds its anchor and its
    // image holds the corner of what is still missing.
    const Piece piece{part, QnIntersectRect(stretch_.XForm(part, QN_XF_SORTED), block)};
    if (!part.Contains(srcAnchor) || !piece.cover.Contains(corner))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "Stretch");
    return piece;
}

PpQnPixBuf QnStretchRenderObj::Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor,
                                        const QnRect& request, QnRect* got, QnRenderProgress* progress,
                                        int rectOnly)
{
    if (plane < 0 || plane >= planes_)
        QN_RENDER_RAISE(QN_RENDER_BAD_PLANE_REQUEST, "Stretch");
    if (IsIdentity(stretch_.GetXFactor()) && IsIdentity(stretch_.GetYFactor()))
        return source_->Render(xf, plane, anchor, request, got, progress, rectOnly);

    const QnRect block = CalcRect(anchor, request, kBlock, kBlock);
    if (got)
        *got = block;
    if (rectOnly)
        return PpQnPixBuf();
    CreateTables(block);
    const int32_t bytes = formats_[plane].bytesPerPixel;
    PpQnPixBuf out = PpQnPixBuf::ForRect(block, bytes);

    QnRgn missing(block);
    const int64_t total = 2 * block.Width() * block.Height();
    int64_t done = 0;
    while (missing) {
        const QnRect k = missing.first();
        const QnPoint corner{k.left, k.top};
        const QnPoint srcAnchor = stretch_.RevXForm(corner, QN_XF_CENTRE);
        const QnRect srcRequest = stretch_.RevXForm(k, QN_XF_COVER);
        QnRect part;
        source_->Render(xf, plane, srcAnchor, srcRequest, &part, progress, 1);
        Piece piece = CheckPiece(part, srcAnchor, block, corner);
        const int64_t n = piece.cover.Width() * piece.cover.Height();
        PpQnPixBuf pixels;
        {
            QnRenderProgress::Scale scale(progress, done, done + n, total);
            pixels = source_->Render(xf, plane, srcAnchor, srcRequest, &part, progress, 0);
            piece = CheckPiece(part, srcAnchor, block, corner);
        }
        {
            QnRenderProgress::Scale scale(progress, done + n, done + 2 * n, total);
            SampleCover(*out, block, *pixels, piece, bytes, progress);
        }
        done += 2 * n;
        missing -= piece.cover;
    }
    return out;
}

void QnStretchRenderObj::SampleCover(QnPixBuf& out, const QnRect& block, const QnPixBuf& pixels,
                                     const Piece& piece, int32_t bytes, QnRenderProgress* progress)
{
    const QnRect& part = piece.part;
    const QnRect& cover = piece.cover;
    const QnRect& src = pixels.GetRect();
    const int32_t* xs = xTable_.data() + (cover.left - block.left);
    const int32_t* ys = yTable_.data() + (cover.top - block.top);
    const int32_t width = int32_t(cover.Width());
    const int32_t height = int32_t(cover.Height());
    // Every sample must come from the rows the source handed over.
    if (QnIntersectRect(src, part) != part || !pixels.Holds(bytes) || !WithinRange(xs, width, part.left, part.right)
        || !WithinRange(ys, height, part.top, part.bottom))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "Stretch");

    offsets_.resize(size_t(width));
    for (int32_t i = 0; i < width; ++i)
        offsets_[size_t(i)] = (xs[i] - src.left) * bytes;
    if (progress) {
        progress->SetText(QnRenderRcStr()(QN_RENDER_STRETCHING).c_str());
        progress->SetTotal(height);
    }
    const size_t rowBytes = size_t(width) * size_t(bytes);
    const size_t dstX = size_t(cover.left - block.left) * size_t(bytes);
    for (int32_t i = 0; i < height; ++i) {
        uint8_t* dst = out.Row(cover.top - block.top + i) + dstX;
        // An enlarged row repeats the row above it: copy that row whole.
        if (i > 0 && ys[i] == ys[i - 1])
            std::memcpy(dst, dst - out.GetRowBytes(), rowBytes);
        else
            QnSampleRow(dst, pixels.CRow(ys[i] - src.top), offsets_.data(), width, bytes);
        if (progress) {
            if (progress->IsAborted())
                QN_RENDER_RAISE(QN_RENDER_USER_ABORT, "Stretch");
            progress->SetCurrent(i + 1);
        }
    }
}
