#include "tasks/sketch/MetaEnhancedPlayer.h"

#include <unordered_map>

#include <QRect>

#include "tasks/sketch/MetaBytes.h"
#include "tasks/sketch/MetaDib.h"
#include "tasks/sketch/MetaPlayerDC.h"

namespace {

// Record types.
enum : uint32_t {
    kHeader = 1, kPolyBezier, kPolygon, kPolyline, kPolyBezierTo, kPolylineTo, kPolyPolyline, kPolyPolygon,
    kSetWindowExt, kSetWindowOrg, kSetViewportExt, kSetViewportOrg, kSetBrushOrg, kEof, kSetPixel,
    kSetMapperFlags, kSetMapMode, kSetBkMode, kSetPolyFillMode, kSetRop2, kSetStretchBltMode, kSetTextAlign,
    kSetColorAdjustment, kSetTextColor, kSetBkColor, kOffsetClipRgn, kMoveTo, kSetMetaRgn, kExcludeClipRect,
    kIntersectClipRect, kScaleViewportExt, kScaleWindowExt, kSaveDC, kRestoreDC, kSetWorldTransform,
    kModifyWorldTransform, kSelectObject, kCreatePen, kCreateBrush, kDeleteObject, kAngleArc, kEllipse,
    kRectangle, kRoundRect, kArc, kChord, kPie, kSelectPalette, kCreatePalette, kSetPaletteEntries,
    kResizePalette, kRealizePalette, kExtFloodFill, kLineTo, kArcTo, kPolyDraw, kSetArcDirection,
    kSetMiterLimit, kBeginPath, kEndPath, kCloseFigure, kFillPath, kStrokeAndFillPath, kStrokePath,
    kFlattenPath, kWidenPath, kSelectClipPath, kAbortPath,
    kFillRgn = 71, kExtSelectClipRgn = 75, kBitBlt, kStretchBlt, kStretchDIBits = 81, kExtCreateFont,
    kExtTextOutA, kExtTextOutW, kPolyBezier16, kPolygon16, kPolyline16, kPolyBezierTo16, kPolylineTo16,
    kPolyPolyline16, kPolyPolygon16, kPolyDraw16, kCreateMonoBrush, kCreateDibPatternBrush, kExtCreatePen,
};

constexpr uint32_t kEmfSignature = 0x464D4520;
constexpr size_t kHeaderBytes = 88;
constexpr uint32_t kStockObject = 0x80000000;

QPointF Point(MetaBytes& r) { const double x = r.I32(); return QPointF(x, r.I32()); }
QSizeF Size(MetaBytes& r) { const double w = r.I32(); return QSizeF(w, r.I32()); }

QRectF Rect(MetaBytes& r)
{
    const double left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// count points of 32 or 16 bits, no more than the record holds.
QPolygonF Points(MetaBytes& r, uint32_t count, bool small)
{
    QPolygonF points;
    if (uint64_t(count) * (small ? 4 : 8) > r.Left()) {
        r.Skip(r.Left() + 1);
        return points;
    }
    points.reserve(qsizetype(count));
    for (uint32_t i = 0; i < count; ++i) {
        if (small) {
            const double x = r.I16();
            points << QPointF(x, r.I16());
        } else {
            points << Point(r);
        }
    }
    return points;
}

std::vector<QPolygonF> PolyPoints(MetaBytes& r, bool small)
{
    r.Skip(16);  // bounds
    const uint32_t polys = r.U32();
    const uint32_t total = r.U32();
    std::vector<QPolygonF> out;
    if (uint64_t(polys) * 4 > r.Left())
        return out;
    std::vector<uint32_t> counts(polys);
    uint64_t sum = 0;
    for (uint32_t& c : counts) {
        c = r.U32();
        sum += c;
    }
    if (sum != total)
        return out;
    for (uint32_t c : counts) {
        out.push_back(Points(r, c, small));
        if (!r.Ok())
            return {};
    }
    return out;
}

QTransform Xform(MetaBytes& r)
{
    const double m11 = r.F32(), m12 = r.F32(), m21 = r.F32(), m22 = r.F32(), dx = r.F32(), dy = r.F32();
    for (double v : {m11, m12, m21, m22, dx, dy})
        if (!std::isfinite(v))
            return QTransform(0, 0, 0, 0, 0, 0);  // not invertible: ignored
    return QTransform(m11, m12, m21, m22, dx, dy);
}

// Region data: its header (size, type, count, bytes, bounds) and rectangles.
std::vector<QRectF> Region(MetaBytes r)
{
    r.Skip(8);
    const uint32_t count = r.U32();
    r.Skip(4 + 16);
    std::vector<QRectF> rects;
    if (uint64_t(count) * 16 > r.Left())
        return rects;
    rects.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const int32_t left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
        if (left < right && top < bottom)
            rects.push_back(QRectF(QPointF(left, top), QPointF(right, bottom)));
    }
    return rects;
}

QString Utf16(MetaBytes text, uint32_t chars)
{
    QString s;
    if (uint64_t(chars) * 2 > text.Left())
        return s;
    s.reserve(qsizetype(chars));
    for (uint32_t i = 0; i < chars; ++i)
        s.append(QChar(text.U16()));
    return s;
}

class EnhancedPlayer {
public:
    EnhancedPlayer(MetaPlayerDC& dc, uint32_t handles) : dc_(dc), handles_(handles) {}

    void Record(uint32_t type, MetaBytes& r, const MetaBytes& whole);

private:
    void Create(uint32_t index, MetaObject object)
    {
        if (index != 0 && index < handles_)
            objects_[index] = std::move(object);
    }
    void Text(MetaBytes& r, const MetaBytes& whole, bool wide);
    void Blt(uint32_t type, MetaBytes& r, const MetaBytes& whole);

    MetaPlayerDC& dc_;
    uint32_t handles_;
    std::unordered_map<uint32_t, MetaObject> objects_;
};

void EnhancedPlayer::Text(MetaBytes& r, const MetaBytes& whole, bool wide)
{
    r.Skip(16 + 4 + 8);  // bounds, graphics mode, scales
    const QPointF reference = Point(r);
    const uint32_t chars = r.U32();
    const uint32_t offString = r.U32();
    const uint32_t options = r.U32();
    const QRectF rect = Rect(r);
    const uint32_t offDx = r.U32();
    if (!r.Ok())
        return;
    QString text;
    if (wide) {
        text = Utf16(whole.Slice(offString, whole.Size() - std::min<size_t>(offString, whole.Size())), chars);
    } else {
        const MetaBytes bytes = whole.Slice(offString, chars);
        if (bytes.Ok())
            text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.Data()), qsizetype(chars));
    }
    if (text.size() != qsizetype(chars))
        return;
    std::vector<double> dx;
    MetaBytes advances = whole.Slice(offDx, uint64_t(chars) * 4 <= whole.Size() ? chars * 4 : whole.Size() + 1);
    if (offDx && advances.Ok())
        for (uint32_t i = 0; i < chars; ++i)
            dx.push_back(advances.I32());
    dc_.TextOut(reference, text, options, rect, dx);
}

void EnhancedPlayer::Blt(uint32_t type, MetaBytes& r, const MetaBytes& whole)
{
    r.Skip(16);  // bounds
    QRectF dest;
    QRectF src;
    uint32_t rop = 0, offBmi = 0, cbBmi = 0, offBits = 0, cbBits = 0;
    if (type == kStretchDIBits) {
        const double xDest = r.I32(), yDest = r.I32(), xSrc = r.I32(), ySrc = r.I32(), cxSrc = r.I32(),
                     cySrc = r.I32();
        offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
        r.Skip(4);  // colour usage
        rop = r.U32();
        const double cxDest = r.I32(), cyDest = r.I32();
        dest = QRectF(xDest, yDest, cxDest, cyDest);
        src = QRectF(xSrc, ySrc, cxSrc, cySrc);
    } else {
        const double xDest = r.I32(), yDest = r.I32(), cxDest = r.I32(), cyDest = r.I32();
        rop = r.U32();
        const double xSrc = r.I32(), ySrc = r.I32();
        r.Skip(24 + 4 + 4);  // source transform, background colour, colour usage
        offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
        double cxSrc = cxDest, cySrc = cyDest;
        if (type == kStretchBlt) {
            cxSrc = r.I32();
            cySrc = r.I32();
        }
        dest = QRectF(xDest, yDest, cxDest, cyDest);
        src = QRectF(xSrc, ySrc, cxSrc, cySrc);
        if (r.Ok() && cbBmi == 0) {
            dc_.PatBlt(dest, rop);
            return;
        }
    }
    if (!r.Ok())
        return;
    const QImage image = MetaDibImage(whole.Slice(offBmi, cbBmi), whole.Slice(offBits, cbBits));
    if (image.isNull())
        return;
    // The source rectangle of a bottom-up picture counts from its last line.
    const MetaBytes info = whole.Slice(offBmi, cbBmi);
    const bool bottomUp = info.Size() >= 12 && int32_t(QnGetLE32(info.Data() + 8)) > 0 && QnGetLE32(info.Data()) >= 40;
    if (bottomUp && type == kStretchDIBits)
        src.moveTop(image.height() - src.top() - src.height());
    dc_.StretchImage(dest, image, src, rop);
}

void EnhancedPlayer::Record(uint32_t type, MetaBytes& r, const MetaBytes& whole)
{
    switch (type) {
    case kPolyBezier: case kPolygon: case kPolyline: case kPolyBezierTo: case kPolylineTo:
    case kPolyBezier16: case kPolygon16: case kPolyline16: case kPolyBezierTo16: case kPolylineTo16: {
        const bool small = type >= kPolyBezier16;
        r.Skip(16);
        const uint32_t count = r.U32();
        const QPolygonF points = Points(r, count, small);
        if (!r.Ok())
            return;
        switch (small ? type - kPolyBezier16 + kPolyBezier : type) {
        case kPolyBezier: dc_.PolyBezier(points); break;
        case kPolygon: dc_.Polygon(points); break;
        case kPolyline: dc_.Polyline(points); break;
        case kPolyBezierTo: dc_.PolyBezierTo(points); break;
        case kPolylineTo: dc_.PolylineTo(points); break;
        }
        break;
    }
    case kPolyPolyline: case kPolyPolygon: case kPolyPolyline16: case kPolyPolygon16: {
        const std::vector<QPolygonF> polys = PolyPoints(r, type == kPolyPolyline16 || type == kPolyPolygon16);
        if (type == kPolyPolygon || type == kPolyPolygon16)
            dc_.PolyPolygon(polys);
        else
            dc_.PolyPolyline(polys);
        break;
    }
    case kSetWindowExt: dc_.SetWindowExt(Size(r)); break;
    case kSetWindowOrg: dc_.SetWindowOrg(Point(r)); break;
    case kSetViewportExt: dc_.SetViewportExt(Size(r)); break;
    case kSetViewportOrg: dc_.SetViewportOrg(Point(r)); break;
    case kSetPixel: {
        const QPointF p = Point(r);
        dc_.SetPixel(p, r.U32());
        break;
    }
    case kSetMapMode: dc_.SetMapMode(int(r.U32())); break;
    case kSetBkMode: dc_.SetBkMode(int(r.U32())); break;
    case kSetPolyFillMode: dc_.SetPolyFillMode(int(r.U32())); break;
    case kSetTextAlign: dc_.SetTextAlign(r.U32()); break;
    case kSetTextColor: dc_.SetTextColor(r.U32()); break;
    case kSetBkColor: dc_.SetBkColor(r.U32()); break;
    case kOffsetClipRgn: dc_.OffsetClip(Point(r)); break;
    case kMoveTo: dc_.MoveTo(Point(r)); break;
    case kExcludeClipRect: dc_.ExcludeClipRect(Rect(r)); break;
    case kIntersectClipRect: dc_.IntersectClipRect(Rect(r)); break;
    case kScaleViewportExt: case kScaleWindowExt: {
        const double xNum = r.I32(), xDen = r.I32(), yNum = r.I32(), yDen = r.I32();
        if (type == kScaleViewportExt)
            dc_.ScaleViewportExt(xNum, xDen, yNum, yDen);
        else
            dc_.ScaleWindowExt(xNum, xDen, yNum, yDen);
        break;
    }
    case kSaveDC: dc_.SaveDC(); break;
    case kRestoreDC: dc_.RestoreDC(r.I32()); break;
    case kSetWorldTransform: dc_.ModifyWorldTransform(Xform(r), 4); break;
    case kModifyWorldTransform: {
        const QTransform t = Xform(r);
        dc_.ModifyWorldTransform(t, r.U32());
        break;
    }
    case kSelectObject: {
        const uint32_t index = r.U32();
        if (index & kStockObject) {
            dc_.SelectStock(index & ~kStockObject);
        } else if (auto it = objects_.find(index); it != objects_.end()) {
            dc_.Select(it->second);
        }
        break;
    }
    case kCreatePen: {
        const uint32_t index = r.U32();
        const uint32_t style = r.U32();
        const double width = r.I32();
        r.Skip(4);
        Create(index, MetaObject::Pen(MetaPlayerDC::MakePen(style, width, r.U32())));
        break;
    }
    case kExtCreatePen: {
        const uint32_t index = r.U32();
        r.Skip(16);  // pattern picture
        const uint32_t style = r.U32();
        const double width = r.U32();
        r.Skip(4);  // brush style
        Create(index, MetaObject::Pen(MetaPlayerDC::MakePen(style, width, r.U32())));
        break;
    }
    case kCreateBrush: {
        const uint32_t index = r.U32();
        const uint32_t style = r.U32(), colour = r.U32(), hatch = r.U32();
        Create(index, MetaObject::Brush(MetaPlayerDC::MakeBrush(style, colour, hatch)));
        break;
    }
    case kCreateMonoBrush: case kCreateDibPatternBrush: {
        const uint32_t index = r.U32();
        r.Skip(4);
        const uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
        Create(index, MetaObject::Brush(MetaPlayerDC::MakePatternBrush(MetaDibImage(whole.Slice(offBmi, cbBmi), whole.Slice(offBits, cbBits)))));
        break;
    }
    case kExtCreateFont: {
        const uint32_t index = r.U32();
        const MetaFont font = MetaFont::Read(r, true);
        Create(index, MetaObject::Font(font));
        break;
    }
    case kCreatePalette: Create(r.U32(), MetaObject{}); break;
    case kDeleteObject: objects_.erase(r.U32()); break;
    case kAngleArc: {
        const QPointF centre = Point(r);
        const double radius = r.U32();
        const double start = r.F32();
        dc_.AngleArc(centre, radius, start, r.F32());
        break;
    }
    case kEllipse: dc_.Ellipse(Rect(r)); break;
    case kRectangle: dc_.Rectangle(Rect(r)); break;
    case kRoundRect: {
        const QRectF box = Rect(r);
        dc_.RoundRect(box, Size(r));
        break;
    }
    case kArc: case kChord: case kPie: case kArcTo: {
        const QRectF box = Rect(r);
        const QPointF start = Point(r);
        const QPointF end = Point(r);
        if (!r.Ok())
            return;
        const MetaPlayerDC::ArcKind kind = type == kArc     ? MetaPlayerDC::arc
                                           : type == kChord ? MetaPlayerDC::chord
                                           : type == kPie   ? MetaPlayerDC::pie
                                                            : MetaPlayerDC::arcTo;
        dc_.Arc(box, start, end, kind);
        break;
    }
    case kLineTo: dc_.LineTo(Point(r)); break;
    case kSetArcDirection: dc_.SetArcDirection(int(r.U32())); break;
    case kBeginPath: dc_.BeginPath(); break;
    case kEndPath: dc_.EndPath(); break;
    case kCloseFigure: dc_.CloseFigure(); break;
    case kFillPath: dc_.FillPath(); break;
    case kStrokeAndFillPath: dc_.StrokeAndFillPath(); break;
    case kStrokePath: dc_.StrokePath(); break;
    case kAbortPath: dc_.AbortPath(); break;
    case kSelectClipPath: dc_.SelectClipPath(int(r.U32())); break;
    case kExtSelectClipRgn: {
        const uint32_t bytes = r.U32();
        const int mode = int(r.U32());
        dc_.SelectClipRegion(bytes ? Region(r) : std::vector<QRectF>(), mode);
        break;
    }
    case kFillRgn: {
        r.Skip(16);
        r.Skip(4);  // region bytes
        const uint32_t index = r.U32();
        const auto it = objects_.find(index);
        if (it != objects_.end() && it->second.kind == MetaObject::brush)
            dc_.FillRegion(Region(r), it->second.brushValue);
        break;
    }
    case kBitBlt: case kStretchBlt: case kStretchDIBits: Blt(type, r, whole); break;
    case kExtTextOutA: case kExtTextOutW: Text(r, whole, type == kExtTextOutW); break;
    default:
        break;  // not drawn: palettes, comments, colour adjustment and the like
    }
}

}  // namespace

bool PlayEnhancedMetafile(QPainter& out, const QRect& target, const uint8_t* data, size_t size)
{
    MetaBytes header(data, size);
    if (size < kHeaderBytes || header.U32() != kHeader)
        return false;
    const uint32_t headerSize = header.U32();
    const QRectF bounds = Rect(header);
    const QRectF frame = Rect(header);
    if (header.U32() != kEmfSignature)
        return false;
    header.Skip(12);  // version, bytes, records
    const uint32_t handles = header.U16();
    header.Skip(2 + 12);  // reserved, description, palette entries
    const QSizeF pixels = Size(header);
    const QSizeF millimetres = Size(header);

    MetaPlayerDC dc(out, target);
    // The frame is in hundredths of a millimetre of the reference device.
    if (pixels.width() > 0 && pixels.height() > 0 && millimetres.width() > 0 && millimetres.height() > 0) {
        const double dx = pixels.width() / millimetres.width(), dy = pixels.height() / millimetres.height();
        dc.SetResolution(dx, dy);
        const QRectF f(QPointF(frame.left() * dx / 100, frame.top() * dy / 100),
                       QPointF(frame.right() * dx / 100, frame.bottom() * dy / 100));
        dc.SetFrame(f.width() > 0 && f.height() > 0 ? f : bounds.adjusted(0, 0, 1, 1));
    } else {
        dc.SetFrame(bounds.adjusted(0, 0, 1, 1));
    }

    EnhancedPlayer player(dc, handles);
    size_t at = headerSize >= 8 && headerSize % 4 == 0 && headerSize <= size ? headerSize : size;
    while (size - at >= 8) {
        const uint32_t type = QnGetLE32(data + at);
        const uint32_t length = QnGetLE32(data + at + 4);
        if (length < 8 || length % 4 || length > size - at || type == kEof)
            break;
        const MetaBytes whole(data + at, length);
        MetaBytes r = whole.Slice(8, length - 8);
        player.Record(type, r, whole);
        at += length;
    }
    return true;
}
