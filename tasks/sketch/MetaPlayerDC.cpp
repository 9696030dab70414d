#include "tasks/sketch/MetaPlayerDC.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFontMetricsF>
#include <QPainter>

namespace {

// Saved states beyond this are not kept (a record cannot save without
// bounds); restoring then goes back as far as there is.
constexpr size_t kMaxSaved = 4096;
// Text taller than this on the device is not drawn: glyphs that size cost
// much and show nothing a sketch shape could hold.
constexpr double kMaxTextPixels = 8192;
constexpr int kMaxFontPixels = 65535;
// How far beyond the target, in device pixels, a shape may reach and still
// be drawn.
constexpr double kMaxReach = 65536;
// Rectangles of one region that are followed; a region is built one
// rectangle at a time, in time growing with the square of their number.
constexpr size_t kMaxRegionRects = 1024;

constexpr uint32_t kPenStyleMask = 0xF, kPenNull = 5, kPenUserStyle = 7;
constexpr uint32_t kPenCapMask = 0xF00, kPenCapSquare = 0x100, kPenCapFlat = 0x200;
constexpr uint32_t kPenJoinMask = 0xF000, kPenJoinBevel = 0x1000, kPenJoinMiter = 0x2000;
constexpr uint32_t kBrushNull = 1, kBrushHatched = 2;

constexpr uint32_t kEtoOpaque = 2, kEtoClipped = 4;
constexpr uint32_t kTaUpdateCp = 1, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24;

constexpr uint32_t kRopSrcAnd = 0x008800C6, kRopSrcPaint = 0x00EE0086,
                   kRopSrcInvert = 0x00660046, kRopNotSrcCopy = 0x00330008, kRopPatCopy = 0x00F00021,
                   kRopBlackness = 0x00000042, kRopWhiteness = 0x00FF0062;

// The most a transform stretches a length along either axis of its input.
double MaxScale(const QTransform& t) { return std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22())); }

bool Finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Degrees of the direction from centre to p, counter-clockwise on screen.
double AngleOf(QPointF centre, QPointF p, const QRectF& box)
{
    const double rx = box.width() / 2, ry = box.height() / 2;
    const double dx = rx ? (p.x() - centre.x()) / rx : 0, dy = ry ? (p.y() - centre.y()) / ry : 0;
    return std::atan2(-dy, dx) * 180 / std::numbers::pi;
}

// Raster operations with a source picture the painter can do; the rest,
// and plain copying, draw the picture over what is there.
QPainter::CompositionMode ModeOf(uint32_t rop)
{
    switch (rop) {
    case kRopSrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case kRopSrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case kRopSrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case kRopNotSrcCopy:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

MetaFont MetaFont::Read(MetaBytes& r, bool wide)
{
    auto field = [&r, wide] { return wide ? r.I32() : int32_t(r.I16()); };
    MetaFont f;
    f.height = field();
    field();  // width
    f.escapement = field();
    field();  // orientation
    f.weight = field();
    f.italic = r.U8();
    f.underline = r.U8();
    f.strikeOut = r.U8();
    r.Skip(5);  // character set, precisions, quality, pitch
    for (int i = 0; i < 32 && r.Left() >= (wide ? 2u : 1u); ++i) {
        const QChar c = wide ? QChar(r.U16()) : QChar(r.U8());
        if (c.isNull())
            break;
        f.face.append(c);
    }
    return f;
}

MetaPlayerDC::MetaPlayerDC(QPainter& out, const QRect& target) : out_(out), target_(target)
{
    out_.save();
    out_.setRenderHint(QPainter::Antialiasing);
    out_.setRenderHint(QPainter::SmoothPixmapTransform);
    state_.pen = MakePen(0, 0, 0);
    state_.brush = QBrush(Qt::white);
    state_.clip = QRegion(target);
    SetFrame(QRectF(target));
}

MetaPlayerDC::~MetaPlayerDC() { out_.restore(); }

void MetaPlayerDC::SetFrame(const QRectF& frame)
{
    // Signed: a frame given right to left or bottom to top mirrors.
    const double sx = frame.width() != 0 && std::isfinite(frame.width()) ? target_.width() / frame.width() : 1;
    const double sy = frame.height() != 0 && std::isfinite(frame.height()) ? target_.height() / frame.height() : 1;
    base_ = QTransform::fromTranslate(-frame.left(), -frame.top()) * QTransform::fromScale(sx, sy) *
            QTransform::fromTranslate(target_.left(), target_.top());
}

void MetaPlayerDC::SetResolution(double dotsPerMmX, double dotsPerMmY)
{
    if (dotsPerMmX > 0 && dotsPerMmY > 0 && std::isfinite(dotsPerMmX) && std::isfinite(dotsPerMmY)) {
        dotsPerMmX_ = dotsPerMmX;
        dotsPerMmY_ = dotsPerMmY;
    }
}

QColor MetaPlayerDC::Colour(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QPen MetaPlayerDC::MakePen(uint32_t style, double width, uint32_t colorref)
{
    const uint32_t kind = style & kPenStyleMask;
    if (kind == kPenNull)
        return QPen(Qt::NoPen);
    // Width 0 draws one device pixel, as does a cosmetic pen.
    QPen pen(Colour(colorref), std::isfinite(width) ? std::clamp(std::abs(width), 0.0, 1e6) : 0.0);
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                               Qt::DashDotDotLine};
    pen.setStyle(kind < std::size(kStyles) && kind != kPenUserStyle ? kStyles[kind] : Qt::SolidLine);
    const uint32_t cap = style & kPenCapMask, join = style & kPenJoinMask;
    pen.setCapStyle(cap == kPenCapSquare ? Qt::SquareCap : cap == kPenCapFlat ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(join == kPenJoinBevel ? Qt::BevelJoin : join == kPenJoinMiter ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

QBrush MetaPlayerDC::MakeBrush(uint32_t style, uint32_t colorref, uint32_t hatch)
{
    if (style == kBrushNull)
        return QBrush(Qt::NoBrush);
    if (style == kBrushHatched) {
        static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                      Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(Colour(colorref), hatch < std::size(kHatches) ? kHatches[hatch] : Qt::SolidPattern);
    }
    // Solid, and the pattern kinds whose picture is not at hand.
    return QBrush(Colour(colorref));
}

QBrush MetaPlayerDC::MakePatternBrush(const QImage& pattern)
{
    return pattern.isNull() ? QBrush(Qt::black) : QBrush(pattern);
}

void MetaPlayerDC::Select(const MetaObject& object)
{
    switch (object.kind) {
    case MetaObject::pen:
        state_.pen = object.penValue;
        break;
    case MetaObject::brush:
        state_.brush = object.brushValue;
        break;
    case MetaObject::font:
        state_.font = object.fontValue;
        break;
    case MetaObject::none:
        break;
    }
}

void MetaPlayerDC::SelectStock(uint32_t index)
{
    static constexpr int kGreys[] = {255, 192, 128, 64, 0};
    if (index < std::size(kGreys))
        state_.brush = QBrush(QColor(kGreys[index], kGreys[index], kGreys[index]));
    else if (index == 5)
        state_.brush = QBrush(Qt::NoBrush);
    else if (index == 6 || index == 7)
        state_.pen = MakePen(0, 0, index == 6 ? 0xFFFFFF : 0);
    else if (index == 8)
        state_.pen = QPen(Qt::NoPen);
    else if (index >= 10 && index <= 17) {
        MetaFont font;
        font.face = (index == 10 || index == 11 || index == 16) ? QStringLiteral("monospace") : QString();
        state_.font = font;
    }
}

void MetaPlayerDC::SetMapMode(int mode)
{
    if (mode >= mmText && mode <= mmAnisotropic)
        state_.mapMode = mode;
}

void MetaPlayerDC::SetWindowExt(QSizeF s)
{
    if (s.width() != 0 && s.height() != 0)
        state_.windowExt = s;
}

void MetaPlayerDC::SetViewportExt(QSizeF s)
{
    if (s.width() != 0 && s.height() != 0)
        state_.viewportExt = s;
}

void MetaPlayerDC::ScaleWindowExt(double xNum, double xDen, double yNum, double yDen)
{
    if (xDen != 0 && yDen != 0)
        SetWindowExt(QSizeF(state_.windowExt.width() * xNum / xDen, state_.windowExt.height() * yNum / yDen));
}

void MetaPlayerDC::ScaleViewportExt(double xNum, double xDen, double yNum, double yDen)
{
    if (xDen != 0 && yDen != 0)
        SetViewportExt(QSizeF(state_.viewportExt.width() * xNum / xDen, state_.viewportExt.height() * yNum / yDen));
}

void MetaPlayerDC::ModifyWorldTransform(const QTransform& t, uint32_t mode)
{
    // A transform that cannot be inverted would fold the picture to nothing.
    if (mode == 1) {
        state_.world = QTransform();
        return;
    }
    if (!t.isInvertible())
        return;
    if (mode == 2)
        state_.world = t * state_.world;
    else if (mode == 3)
        state_.world = state_.world * t;
    else if (mode == 4)
        state_.world = t;
}

QTransform MetaPlayerDC::Page() const
{
    const State& s = state_;
    double sx = 1, sy = 1;
    switch (s.mapMode) {
    case mmIsotropic:
    case mmAnisotropic:
        sx = s.viewportExt.width() / s.windowExt.width();
        sy = s.viewportExt.height() / s.windowExt.height();
        if (s.mapMode == mmIsotropic) {
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
        break;
    case mmLoMetric:
    case mmHiMetric:
    case mmLoEnglish:
    case mmHiEnglish:
    case mmTwips: {
        static constexpr double kMm[] = {0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
        const double mm = kMm[s.mapMode - mmLoMetric];
        sx = mm * dotsPerMmX_;
        sy = -mm * dotsPerMmY_;
        break;
    }
    default:
        break;
    }
    return QTransform::fromTranslate(-s.windowOrg.x(), -s.windowOrg.y()) * QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(s.viewportOrg.x(), s.viewportOrg.y());
}

void MetaPlayerDC::SaveDC()
{
    if (saved_.size() < kMaxSaved)
        saved_.push_back(state_);
}

void MetaPlayerDC::RestoreDC(int32_t n)
{
    size_t level;
    if (n < 0) {
        const size_t back = size_t(-int64_t(n));
        if (back > saved_.size())
            return;
        level = saved_.size() - back;
    } else {
        if (n == 0 || size_t(n) > saved_.size())
            return;
        level = size_t(n) - 1;
    }
    state_ = saved_[level];
    saved_.resize(level);
}

QRectF MetaPlayerDC::Bounds() const { return QRectF(target_).adjusted(-1, -1, 1, 1); }

QRegion MetaPlayerDC::DeviceRegion(const QRectF& logical) const
{
    // Only the part over the target matters. Cutting to it first also keeps
    // the coordinates small: a region is made in integers.
    const QTransform full = Full();
    const QPolygonF corners = full.map(QPolygonF(logical.normalized()));
    for (const QPointF& p : corners)
        if (!Finite(p))
            return {};
    if (full.type() <= QTransform::TxScale)
        return QRegion(corners.boundingRect().intersected(Bounds()).toRect());
    return QRegion(corners.intersected(QPolygonF(Bounds())).toPolygon());
}

QRegion MetaPlayerDC::DeviceRegion(const std::vector<QRectF>& rects) const
{
    QRegion region;
    for (size_t i = 0; i < rects.size() && i < kMaxRegionRects; ++i) {
        const QRectF r = base_.mapRect(rects[i]).intersected(Bounds());
        if (!r.isEmpty())
            region += r.toRect();
    }
    return region;
}

void MetaPlayerDC::Clip(const QRegion& device, int mode)
{
    QRegion& clip = state_.clip;
    switch (mode) {
    case clipAnd:
        clip &= device;
        break;
    case clipOr:
        clip |= device;
        break;
    case clipXor:
        clip ^= device;
        break;
    case clipDiff:
        clip -= device;
        break;
    case clipCopy:
        clip = device;
        break;
    default:
        return;
    }
    clip &= QRegion(target_);
}

void MetaPlayerDC::IntersectClipRect(const QRectF& r) { Clip(DeviceRegion(r), clipAnd); }

void MetaPlayerDC::ExcludeClipRect(const QRectF& r) { Clip(DeviceRegion(r), clipDiff); }

void MetaPlayerDC::OffsetClip(QPointF d)
{
    const QPointF moved = Full().map(d) - Full().map(QPointF(0, 0));
    if (!Finite(moved))
        return;
    // Moved further than the target is wide, the clip is empty either way.
    const double w = target_.width() + 1.0, h = target_.height() + 1.0;
    const QPoint by(int(std::clamp(moved.x(), -w, w)), int(std::clamp(moved.y(), -h, h)));
    state_.clip = state_.clip.translated(by) & QRegion(target_);
}

void MetaPlayerDC::SelectClipRegion(const std::vector<QRectF>& rects, int mode)
{
    // No region with the copy mode takes the clip away.
    if (rects.empty() && mode == clipCopy) {
        state_.clip = QRegion(target_);
        return;
    }
    Clip(DeviceRegion(rects), mode);
}

void MetaPlayerDC::SelectClipPath(int mode)
{
    if (!path_)
        return;
    QPainterPath bounds;
    bounds.addRect(Bounds());
    const QPainterPath device = Full().map(*path_).intersected(bounds);
    path_.reset();
    Clip(QRegion(device.toFillPolygon().toPolygon(), state_.fillRule), mode);
}

void MetaPlayerDC::Apply()
{
    out_.setTransform(QTransform());
    out_.setClipRegion(state_.clip);
    out_.setTransform(Full());
    out_.setBackground(state_.backgroundColour);
    out_.setBackgroundMode(state_.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    out_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void MetaPlayerDC::Draw(QPainterPath path, bool fill, bool stroke, bool connect)
{
    if (path_) {
        if (connect && !path_->isEmpty())
            path_->connectPath(path);
        else
            path_->addPath(path);
        return;
    }
    const QTransform full = Full();
    if (path.isEmpty() || !full.isInvertible())
        return;
    // Shapes that reach far beyond the target are left out: their few
    // visible pixels are not worth what outlining and dashing them costs.
    const bool outlined = stroke && state_.pen.style() != Qt::NoPen;
    const double reach = outlined ? state_.pen.widthF() * MaxScale(full) + 1 : 1;
    const QRectF limit = QRectF(target_).adjusted(-kMaxReach, -kMaxReach, kMaxReach, kMaxReach);
    if (!limit.contains(full.map(path).controlPointRect().adjusted(-reach, -reach, reach, reach)))
        return;
    path.setFillRule(state_.fillRule);
    Apply();
    out_.setPen(stroke ? state_.pen : QPen(Qt::NoPen));
    out_.setBrush(fill ? state_.brush : QBrush(Qt::NoBrush));
    out_.drawPath(path);
}

void MetaPlayerDC::DrawPath(bool fill, bool stroke)
{
    if (!path_)
        return;
    QPainterPath path = std::move(*path_);
    path_.reset();
    Draw(std::move(path), fill, stroke);
}

void MetaPlayerDC::CloseFigure()
{
    if (path_)
        path_->closeSubpath();
}

void MetaPlayerDC::LineTo(QPointF p)
{
    QPainterPath path(state_.position);
    path.lineTo(p);
    state_.position = p;
    Draw(path, false, true, true);
}

void MetaPlayerDC::Polyline(const QPolygonF& points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    Draw(path, false, true);
}

void MetaPlayerDC::PolylineTo(const QPolygonF& points)
{
    if (points.isEmpty())
        return;
    QPainterPath path(state_.position);
    for (const QPointF& p : points)
        path.lineTo(p);
    state_.position = points.back();
    Draw(path, false, true, true);
}

void MetaPlayerDC::PolyBezier(const QPolygonF& points)
{
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    for (qsizetype i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    Draw(path, false, true);
}

void MetaPlayerDC::PolyBezierTo(const QPolygonF& points)
{
    QPainterPath path(state_.position);
    qsizetype i = 0;
    for (; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (i == 0)
        return;
    state_.position = points[i - 1];
    Draw(path, false, true, true);
}

void MetaPlayerDC::Polygon(const QPolygonF& points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    Draw(path, true, true);
}

void MetaPlayerDC::PolyPolygon(const std::vector<QPolygonF>& polygons)
{
    QPainterPath path;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    Draw(path, true, true);
}

void MetaPlayerDC::PolyPolyline(const std::vector<QPolygonF>& polylines)
{
    QPainterPath path;
    for (const QPolygonF& line : polylines)
        if (line.size() >= 2)
            path.addPolygon(line);
    Draw(path, false, true);
}

void MetaPlayerDC::Rectangle(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r.normalized());
    Draw(path, true, true);
}

void MetaPlayerDC::RoundRect(const QRectF& r, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(r.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    Draw(path, true, true);
}

void MetaPlayerDC::Ellipse(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r.normalized());
    Draw(path, true, true);
}

QPainterPath MetaPlayerDC::ArcPath(const QRectF& box, QPointF start, QPointF end, ArcKind kind) const
{
    const QRectF r = box.normalized();
    const QPointF centre = r.center();
    const double a0 = AngleOf(centre, start, r);
    double sweep = AngleOf(centre, end, r) - a0;
    // Counter-clockwise from start to end unless told otherwise; the same
    // point both ways makes a whole turn.
    if (state_.clockwise) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    QPainterPath path;
    if (kind == pie) {
        path.moveTo(centre);
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
    } else if (kind == arcTo) {
        path.moveTo(state_.position);
        path.arcTo(r, a0, sweep);
    } else {
        path.arcMoveTo(r, a0);
        path.arcTo(r, a0, sweep);
        if (kind == chord)
            path.closeSubpath();
    }
    return path;
}

void MetaPlayerDC::Arc(const QRectF& box, QPointF start, QPointF end, ArcKind kind)
{
    QPainterPath path = ArcPath(box, start, end, kind);
    if (kind == arcTo)
        state_.position = path.currentPosition();
    const bool closed = kind == chord || kind == pie;
    Draw(std::move(path), closed, true, kind == arcTo);
}

void MetaPlayerDC::AngleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees)
{
    if (!std::isfinite(radius) || !std::isfinite(startDegrees) || !std::isfinite(sweepDegrees))
        return;
    sweepDegrees = std::clamp(sweepDegrees, -720.0, 720.0);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(state_.position);
    path.arcTo(box, startDegrees, sweepDegrees);
    state_.position = path.currentPosition();
    Draw(std::move(path), false, true, true);
}

void MetaPlayerDC::SetPixel(QPointF p, uint32_t colorref)
{
    const QPointF d = Full().map(p);
    if (!Finite(d) || !Bounds().contains(d) || !state_.clip.contains(QPoint(int(std::floor(d.x())), int(std::floor(d.y())))))
        return;
    out_.setTransform(QTransform());
    out_.setClipRegion(state_.clip);
    out_.fillRect(QRect(int(std::floor(d.x())), int(std::floor(d.y())), 1, 1), Colour(colorref));
}

void MetaPlayerDC::TextOut(QPointF reference, const QString& text, uint32_t options, const std::optional<QRectF>& rect,
                           const std::vector<double>& dx)
{
    const QTransform full = Full();
    if (path_ || !full.isInvertible())
        return;
    Apply();
    if (options & kEtoOpaque && rect)
        out_.fillRect(rect->normalized(), state_.backgroundColour);
    if (options & kEtoClipped && rect)
        out_.setClipRect(rect->normalized(), Qt::IntersectClip);
    if (text.isEmpty())
        return;

    const MetaFont& mf = state_.font;
    QFont font(mf.face.isEmpty() ? QStringLiteral("sans-serif") : mf.face);
    double em = 16;
    if (mf.height < 0) {
        em = -double(mf.height);
    } else if (mf.height > 0) {
        // A cell height: the em that gives glyph ascent and descent this tall.
        font.setPixelSize(100);
        const QFontMetricsF m(font);
        em = m.ascent() + m.descent() > 0 ? mf.height * 100 / (m.ascent() + m.descent()) : mf.height;
    }
    // Text stands upright whichever way the axes run: the mapping moves
    // its reference point and scales it, but neither mirrors nor turns it
    // (only the escapement does).
    const double sx = std::hypot(full.m11(), full.m12()), sy = std::hypot(full.m21(), full.m22());
    // Glyphs are made as pictures as large as the text on the device.
    if (!(em * std::max(sx, sy) <= kMaxTextPixels) || em > kMaxFontPixels || em * std::min(sx, sy) < 0.5)
        return;
    // At one scale on both axes glyphs are drawn at their device size; text
    // stretched more one way than the other is filled as outlines.
    const bool even = std::abs(sx - sy) <= 0.01 * std::max(sx, sy);
    const double unit = even ? sx : 1;
    font.setPixelSize(std::max(1, int(std::lround(em * unit))));
    font.setWeight(QFont::Weight(std::clamp(mf.weight ? mf.weight : 400, 100, 900)));
    font.setItalic(mf.italic);
    font.setUnderline(mf.underline);
    font.setStrikeOut(mf.strikeOut);

    const bool updateCp = state_.textAlign & kTaUpdateCp;
    const QPointF at = full.map(updateCp ? state_.position : reference);
    const QFontMetricsF metrics(font);
    double width = 0;
    if (dx.empty())
        width = metrics.horizontalAdvance(text);
    else
        for (double d : dx)
            width += d * unit;
    double x = 0;
    if ((state_.textAlign & kTaCenter) == kTaCenter)
        x = -width / 2;
    else if (state_.textAlign & kTaRight)
        x = -width;
    double y = metrics.ascent();
    if ((state_.textAlign & kTaBaseline) == kTaBaseline)
        y = 0;
    else if (state_.textAlign & kTaBottom)
        y = -metrics.descent();
    if (updateCp && !(state_.textAlign & kTaRight))
        state_.position.rx() += width / unit;

    out_.setTransform(QTransform::fromTranslate(at.x(), at.y()));
    out_.rotate(-mf.escapement / 10.0);
    if (!even)
        out_.scale(sx, sy);
    if (state_.opaqueBackground)
        out_.fillRect(QRectF(x, y - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
                      state_.backgroundColour);
    out_.setFont(font);
    out_.setPen(state_.textColour);
    out_.setBackgroundMode(Qt::TransparentMode);
    QPainterPath outlines;
    for (qsizetype i = 0; i < text.size();) {
        // Without advances the whole text goes at once.
        const QString part = dx.empty() ? text : QString(text[i]);
        if (even)
            out_.drawText(QPointF(x, y), part);
        else
            outlines.addText(QPointF(x, y), font, part);
        if (dx.empty())
            break;
        x += size_t(i) < dx.size() ? dx[size_t(i)] * unit : metrics.horizontalAdvance(text[i]);
        ++i;
    }
    if (!even)
        out_.fillPath(outlines, state_.textColour);
}

void MetaPlayerDC::StretchImage(const QRectF& dest, const QImage& image, const QRectF& src, uint32_t rop)
{
    if (path_ || image.isNull() || dest.width() == 0 || dest.height() == 0 || !Full().isInvertible())
        return;
    const QRectF source = src.intersected(QRectF(image.rect()));
    if (source.isEmpty())
        return;
    Apply();
    // A negative width or height mirrors the picture.
    out_.translate(dest.left() + (dest.width() < 0 ? dest.width() : 0), dest.top() + (dest.height() < 0 ? dest.height() : 0));
    out_.scale(dest.width() < 0 ? -1 : 1, dest.height() < 0 ? -1 : 1);
    const QRectF d(dest.width() < 0 ? dest.width() : 0, dest.height() < 0 ? dest.height() : 0, std::abs(dest.width()),
                   std::abs(dest.height()));
    out_.setCompositionMode(ModeOf(rop));
    out_.drawImage(d, image, source);
}

void MetaPlayerDC::PatBlt(const QRectF& r, uint32_t rop)
{
    if (path_ || !Full().isInvertible())
        return;
    QBrush brush;
    if (rop == kRopPatCopy)
        brush = state_.brush;
    else if (rop == kRopBlackness || rop == kRopWhiteness)
        brush = QBrush(rop == kRopBlackness ? Qt::black : Qt::white);
    else
        return;
    Apply();
    out_.fillRect(r.normalized(), brush);
}

void MetaPlayerDC::FillRegion(const std::vector<QRectF>& rects, const QBrush& brush)
{
    if (path_)
        return;
    Apply();
    out_.setTransform(QTransform());
    const QRegion device = DeviceRegion(rects) & state_.clip;
    for (const QRect& r : device)
        out_.fillRect(r, brush);
}
