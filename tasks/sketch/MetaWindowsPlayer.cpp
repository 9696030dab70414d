#include "tasks/sketch/MetaWindowsPlayer.h"

#include <optional>

#include <QRect>

#include "tasks/sketch/MetaBytes.h"
#include "tasks/sketch/MetaDib.h"
#include "tasks/sketch/MetaPlayerDC.h"

namespace {

// Record functions.
enum : uint16_t {
    kEof = 0x0000, kSaveDC = 0x001E, kCreatePalette = 0x00F7, kSetBkMode = 0x0102, kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106, kRestoreDC = 0x0127, kSelectClipRegion = 0x012C, kSelectObject = 0x012D,
    kSetTextAlign = 0x012E, kDibCreatePatternBrush = 0x0142, kDeleteObject = 0x01F0, kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201, kSetTextColor = 0x0209, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D, kSetViewportExt = 0x020E, kOffsetWindowOrg = 0x020F, kLineTo = 0x0213,
    kMoveTo = 0x0214, kOffsetClipRgn = 0x0220, kCreatePenIndirect = 0x02FA, kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC, kPolygon = 0x0324, kPolyline = 0x0325, kScaleWindowExt = 0x0410,
    kExcludeClipRect = 0x0415, kIntersectClipRect = 0x0416, kEllipse = 0x0418, kRectangle = 0x041B,
    kSetPixel = 0x041F, kTextOut = 0x0521, kPolyPolygon = 0x0538, kRoundRect = 0x061C, kPatBlt = 0x061D,
    kCreateRegion = 0x06FF, kArc = 0x0817, kPie = 0x081A, kChord = 0x0830, kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32, kDibStretchBlt = 0x0B41, kStretchDib = 0x0F43,
};

constexpr size_t kHeaderBytes = 18;
constexpr uint32_t kEtoOpaque = 2, kEtoClipped = 4;

// Most records list their coordinates last to first.
QPointF YX(MetaBytes& r) { const double y = r.I16(); return QPointF(r.I16(), y); }

QRectF BottomRightTopLeft(MetaBytes& r)
{
    const double bottom = r.I16(), right = r.I16(), top = r.I16(), left = r.I16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF Points(MetaBytes& r, uint32_t count)
{
    QPolygonF points;
    if (uint64_t(count) * 4 > r.Left())
        return points;
    points.reserve(qsizetype(count));
    for (uint32_t i = 0; i < count; ++i) {
        const double x = r.I16();
        points << QPointF(x, r.I16());
    }
    return points;
}

QString Latin1(MetaBytes& r, uint32_t count)
{
    const uint8_t* p = r.Take(count);
    if (!p)
        return {};
    r.Skip(count % 2 && r.Left() ? 1 : 0);
    return QString::fromLatin1(reinterpret_cast<const char*>(p), qsizetype(count));
}

class WindowsPlayer {
public:
    WindowsPlayer(MetaPlayerDC& dc, uint16_t objects) : dc_(dc), limit_(objects) {}

    void Record(uint16_t function, MetaBytes& r);

private:
    // A new object takes the lowest free slot of the table.
    void Create(MetaObject object)
    {
        for (auto& slot : slots_)
            if (!slot) {
                slot = std::move(object);
                return;
            }
        if (slots_.size() < limit_)
            slots_.push_back(std::move(object));
    }
    void Bitmap(uint16_t function, MetaBytes& r);

    MetaPlayerDC& dc_;
    size_t limit_;
    std::vector<std::optional<MetaObject>> slots_;
};

void WindowsPlayer::Bitmap(uint16_t function, MetaBytes& r)
{
    // The blit records come without a picture too, one word longer before
    // the destination; they then only fill with the brush.
    const bool withoutPicture = (function == kDibBitBlt && r.Size() == 18) || (function == kDibStretchBlt && r.Size() == 22);
    const uint32_t rop = r.U32();
    if (function == kStretchDib)
        r.Skip(2);  // colour usage
    double srcH = 0, srcW = 0;
    if (function != kDibBitBlt) {
        srcH = r.I16();
        srcW = r.I16();
    }
    const double ySrc = r.I16(), xSrc = r.I16();
    if (withoutPicture)
        r.Skip(2);
    const double destH = r.I16(), destW = r.I16(), yDest = r.I16(), xDest = r.I16();
    if (function == kDibBitBlt)
        srcH = destH, srcW = destW;
    if (!r.Ok())
        return;
    const QRectF dest(xDest, yDest, destW, destH);
    MetaBytes dib(r.Data() + (r.Size() - r.Left()), r.Left());
    if (withoutPicture) {
        dc_.PatBlt(dest, rop);
        return;
    }
    const QImage image = MetaPackedDibImage(dib);
    if (image.isNull())
        return;
    QRectF src(xSrc, ySrc, srcW, srcH);
    // The source of a bottom-up picture counts from its last line.
    if (function == kStretchDib && dib.Size() >= 12 && QnGetLE32(dib.Data()) >= 40 &&
        int32_t(QnGetLE32(dib.Data() + 8)) > 0)
        src.moveTop(image.height() - src.top() - src.height());
    dc_.StretchImage(dest, image, src, rop);
}

void WindowsPlayer::Record(uint16_t function, MetaBytes& r)
{
    switch (function) {
    case kSaveDC: dc_.SaveDC(); break;
    case kRestoreDC: dc_.RestoreDC(r.I16()); break;
    case kSetBkMode: dc_.SetBkMode(r.U16()); break;
    case kSetPolyFillMode: dc_.SetPolyFillMode(r.U16()); break;
    case kSetTextAlign: dc_.SetTextAlign(r.U16()); break;
    case kSetBkColor: dc_.SetBkColor(r.U32()); break;
    case kSetTextColor: dc_.SetTextColor(r.U32()); break;
    case kSetWindowOrg: dc_.SetWindowOrg(YX(r)); break;
    case kSetWindowExt: {
        const QPointF e = YX(r);
        dc_.SetWindowExt(QSizeF(e.x(), e.y()));
        break;
    }
    case kOffsetWindowOrg: dc_.OffsetWindowOrg(YX(r)); break;
    case kScaleWindowExt: {
        const double yDen = r.I16(), yNum = r.I16(), xDen = r.I16(), xNum = r.I16();
        dc_.ScaleWindowExt(xNum, xDen, yNum, yDen);
        break;
    }
    case kMoveTo: dc_.MoveTo(YX(r)); break;
    case kLineTo: dc_.LineTo(YX(r)); break;
    case kOffsetClipRgn: dc_.OffsetClip(YX(r)); break;
    case kExcludeClipRect: dc_.ExcludeClipRect(BottomRightTopLeft(r)); break;
    case kIntersectClipRect: dc_.IntersectClipRect(BottomRightTopLeft(r)); break;
    case kSelectObject: {
        const uint16_t index = r.U16();
        if (index < slots_.size() && slots_[index])
            dc_.Select(*slots_[index]);
        break;
    }
    case kDeleteObject: {
        const uint16_t index = r.U16();
        if (index < slots_.size())
            slots_[index].reset();
        break;
    }
    case kCreatePenIndirect: {
        const uint16_t style = r.U16();
        const double width = r.I16();
        r.Skip(2);
        Create(MetaObject::Pen(MetaPlayerDC::MakePen(style, width, r.U32())));
        break;
    }
    case kCreateBrushIndirect: {
        const uint16_t style = r.U16();
        const uint32_t colour = r.U32();
        Create(MetaObject::Brush(MetaPlayerDC::MakeBrush(style, colour, r.U16())));
        break;
    }
    case kDibCreatePatternBrush: {
        // After the style and the colour usage, a packed picture.
        const MetaBytes dib = r.Slice(4, r.Size() >= 4 ? r.Size() - 4 : 0);
        Create(MetaObject::Brush(MetaPlayerDC::MakePatternBrush(MetaPackedDibImage(dib))));
        break;
    }
    case kCreateFontIndirect: {
        const MetaFont font = MetaFont::Read(r, false);
        Create(MetaObject::Font(font));
        break;
    }
    case kCreatePalette: case kCreatePatternBrush: case kCreateRegion: Create(MetaObject{}); break;
    case kPolygon: case kPolyline: {
        const QPolygonF points = Points(r, r.U16());
        if (function == kPolygon)
            dc_.Polygon(points);
        else
            dc_.Polyline(points);
        break;
    }
    case kPolyPolygon: {
        const uint16_t polys = r.U16();
        if (uint32_t(polys) * 2 > r.Left())
            break;
        std::vector<uint16_t> counts(polys);
        for (uint16_t& c : counts)
            c = r.U16();
        std::vector<QPolygonF> polygons;
        for (uint16_t c : counts) {
            polygons.push_back(Points(r, c));
            if (polygons.back().size() != c)
                return;
        }
        dc_.PolyPolygon(polygons);
        break;
    }
    case kRectangle: case kEllipse: {
        const QRectF box = BottomRightTopLeft(r);
        if (!r.Ok())
            return;
        if (function == kRectangle)
            dc_.Rectangle(box);
        else
            dc_.Ellipse(box);
        break;
    }
    case kRoundRect: {
        const double h = r.I16(), w = r.I16();
        const QRectF box = BottomRightTopLeft(r);
        if (r.Ok())
            dc_.RoundRect(box, QSizeF(w, h));
        break;
    }
    case kArc: case kPie: case kChord: {
        const QPointF end = YX(r);
        const QPointF start = YX(r);
        const QRectF box = BottomRightTopLeft(r);
        if (!r.Ok())
            return;
        dc_.Arc(box, start, end, function == kArc ? MetaPlayerDC::arc : function == kPie ? MetaPlayerDC::pie : MetaPlayerDC::chord);
        break;
    }
    case kSetPixel: {
        const uint32_t colour = r.U32();
        const QPointF p = YX(r);
        if (r.Ok())
            dc_.SetPixel(p, colour);
        break;
    }
    case kTextOut: {
        const uint16_t count = r.U16();
        const QString text = Latin1(r, count);
        const QPointF at = YX(r);
        if (r.Ok())
            dc_.TextOut(at, text, 0, std::nullopt, {});
        break;
    }
    case kExtTextOut: {
        const QPointF at = YX(r);
        const uint16_t count = r.U16();
        const uint16_t options = r.U16();
        std::optional<QRectF> rect;
        if (options & (kEtoOpaque | kEtoClipped)) {
            const double left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
            rect = QRectF(QPointF(left, top), QPointF(right, bottom));
        }
        const QString text = Latin1(r, count);
        if (!r.Ok())
            return;
        std::vector<double> dx;
        if (r.Left() >= size_t(count) * 2)
            for (uint16_t i = 0; i < count; ++i)
                dx.push_back(r.I16());
        dc_.TextOut(at, text, options, rect, dx);
        break;
    }
    case kPatBlt: {
        const uint32_t rop = r.U32();
        const double h = r.I16(), w = r.I16(), y = r.I16(), x = r.I16();
        if (r.Ok())
            dc_.PatBlt(QRectF(x, y, w, h), rop);
        break;
    }
    case kDibBitBlt: case kDibStretchBlt: case kStretchDib: Bitmap(function, r); break;
    default:
        // The player owns the mapping onto the target: map mode and
        // viewport records are not followed, nor are palettes, escapes and
        // the rest.
        break;
    }
}

bool Draws(uint16_t function)
{
    switch (function) {
    case kLineTo: case kPolygon: case kPolyline: case kPolyPolygon: case kRectangle: case kEllipse:
    case kRoundRect: case kArc: case kPie: case kChord: case kSetPixel: case kTextOut: case kExtTextOut:
    case kPatBlt: case kDibBitBlt: case kDibStretchBlt: case kStretchDib:
        return true;
    default:
        return false;
    }
}

// The window the file sets before it first draws, which becomes its frame.
std::optional<QRectF> Window(const uint8_t* bits, size_t size)
{
    QPointF origin;
    std::optional<QSizeF> extent;
    for (size_t at = kHeaderBytes; size - at >= 6;) {
        const uint64_t length = uint64_t(QnGetLE32(bits + at)) * 2;
        const uint16_t function = QnGetLE16(bits + at + 4);
        if (length < 6 || length > size - at || function == kEof)
            break;
        MetaBytes r(bits + at + 6, size_t(length) - 6);
        if (function == kSetWindowOrg) {
            origin = YX(r);
        } else if (function == kSetWindowExt) {
            const QPointF e = YX(r);
            if (r.Ok() && e.x() != 0 && e.y() != 0)
                extent = QSizeF(e.x(), e.y());
        } else if (Draws(function)) {
            break;
        }
        at += size_t(length);
    }
    if (!extent)
        return std::nullopt;
    return QRectF(origin, *extent);
}

}  // namespace

bool PlayWindowsMetafile(QPainter& out, const QRect& target, const uint8_t* bits, size_t size)
{
    MetaBytes header(bits, size);
    const uint16_t type = header.U16();
    const uint16_t headerWords = header.U16();
    if (size < kHeaderBytes || type > 2 || headerWords != kHeaderBytes / 2)
        return false;
    header.Skip(6);  // version, size
    const uint16_t objects = header.U16();

    MetaPlayerDC dc(out, target);
    dc.SetMapMode(MetaPlayerDC::mmAnisotropic);
    const std::optional<QRectF> window = Window(bits, size);
    if (window) {
        // The viewport stays the window: the frame does the mapping, and a
        // later window change scales against it.
        dc.SetFrame(*window);
        dc.SetWindowOrg(window->topLeft());
        dc.SetWindowExt(window->size());
        dc.SetViewportOrg(window->topLeft());
        dc.SetViewportExt(window->size());
    } else {
        dc.SetFrame(QRectF(0, 0, target.width(), target.height()));
    }

    WindowsPlayer player(dc, objects);
    for (size_t at = kHeaderBytes; size - at >= 6;) {
        const uint64_t length = uint64_t(QnGetLE32(bits + at)) * 2;
        const uint16_t function = QnGetLE16(bits + at + 4);
        if (length < 6 || length > size - at || function == kEof)
            break;
        MetaBytes r(bits + at + 6, size_t(length) - 6);
        player.Record(function, r);
        at += size_t(length);
    }
    return true;
}
