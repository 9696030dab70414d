// The drawing state and operations a metafile's records replay: mapping
// (map mode, window and viewport, world transform), selected pen, brush
// and font, text and background settings, clipping, the current position,
// paths and the saved states, drawn onto a painter within one target
// rectangle. Both metafile players (enhanced and 16-bit) turn their records
// into these calls; coordinates are the records' logical units.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTransform>

#include "tasks/sketch/MetaBytes.h"

class QPainter;

struct MetaFont {
    QString face;
    int32_t height = 0;      // logical units; negative: the em height, positive: the cell height
    int32_t escapement = 0;  // tenths of a degree, counter-clockwise
    int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // A logical font record: 32-bit fields and a face of UTF-16 characters
    // in enhanced metafiles (wide), 16-bit fields and bytes in the others.
    static MetaFont Read(MetaBytes& r, bool wide);
};

// What a metafile's object table holds: a pen, a brush, a font, or an
// object the players keep only so that the table's indexes stay right.
struct MetaObject {
    enum Kind { none, pen, brush, font } kind = none;
    QPen penValue;
    QBrush brushValue;
    MetaFont fontValue;

    static MetaObject Pen(QPen value) { MetaObject o; o.kind = pen; o.penValue = std::move(value); return o; }
    static MetaObject Brush(QBrush value) { MetaObject o; o.kind = brush; o.brushValue = std::move(value); return o; }
    static MetaObject Font(MetaFont value) { MetaObject o; o.kind = font; o.fontValue = std::move(value); return o; }
};

class MetaPlayerDC {
public:
    // Map modes and the arc direction as the records give them.
    enum MapMode { mmText = 1, mmLoMetric, mmHiMetric, mmLoEnglish, mmHiEnglish, mmTwips, mmIsotropic, mmAnisotropic };
    enum ClipMode { clipAnd = 1, clipOr, clipXor, clipDiff, clipCopy };

    // Draws on out, only inside target; the painter's state is restored
    // when the context goes.
    MetaPlayerDC(QPainter& out, const QRect& target);
    ~MetaPlayerDC();
    MetaPlayerDC(const MetaPlayerDC&) = delete;
    MetaPlayerDC& operator=(const MetaPlayerDC&) = delete;

    // The picture's frame in the metafile's device units, mapped onto the
    // target rectangle: its top-left corner onto the target's top-left.
    void SetFrame(const QRectF& frame);
    // Device dots per millimetre, for the metric and English map modes.
    void SetResolution(double dotsPerMmX, double dotsPerMmY);

    static QColor Colour(uint32_t colorref);
    static QPen MakePen(uint32_t style, double width, uint32_t colorref);
    static QBrush MakeBrush(uint32_t style, uint32_t colorref, uint32_t hatch);
    // A pattern brush of a picture.
    static QBrush MakePatternBrush(const QImage& pattern);

    void Select(const MetaObject& object);
    // The system's stock objects by number (white brush 0 ... null pen 8,
    // fonts 10 to 17); unknown numbers select nothing.
    void SelectStock(uint32_t index);

    void SetMapMode(int mode);
    void SetWindowOrg(QPointF p) { state_.windowOrg = p; }
    void SetWindowExt(QSizeF s);
    void SetViewportOrg(QPointF p) { state_.viewportOrg = p; }
    void SetViewportExt(QSizeF s);
    void OffsetWindowOrg(QPointF d) { state_.windowOrg += d; }
    void OffsetViewportOrg(QPointF d) { state_.viewportOrg += d; }
    void ScaleWindowExt(double xNum, double xDen, double yNum, double yDen);
    void ScaleViewportExt(double xNum, double xDen, double yNum, double yDen);
    // mode 1 identity, 2 left multiply, 3 right multiply, 4 set.
    void ModifyWorldTransform(const QTransform& t, uint32_t mode);

    void SetBkMode(int mode) { state_.opaqueBackground = mode == 2; }
    void SetBkColor(uint32_t c) { state_.backgroundColour = Colour(c); }
    void SetTextColor(uint32_t c) { state_.textColour = Colour(c); }
    void SetTextAlign(uint32_t align) { state_.textAlign = align; }
    void SetPolyFillMode(int mode) { state_.fillRule = mode == 2 ? Qt::WindingFill : Qt::OddEvenFill; }
    void SetArcDirection(int direction) { state_.clockwise = direction == 2; }

    void SaveDC();
    // n < 0: that many states back; n > 0: the state saved n-th.
    void RestoreDC(int32_t n);

    void IntersectClipRect(const QRectF& r);
    void ExcludeClipRect(const QRectF& r);
    void OffsetClip(QPointF d);
    // A region (rectangles in the metafile's device units) combined with
    // the clip.
    void SelectClipRegion(const std::vector<QRectF>& rects, int mode);
    void SelectClipPath(int mode);

    void MoveTo(QPointF p) { state_.position = p; }
    void LineTo(QPointF p);
    void Polyline(const QPolygonF& points);
    void PolylineTo(const QPolygonF& points);
    void PolyBezier(const QPolygonF& points);
    void PolyBezierTo(const QPolygonF& points);
    void Polygon(const QPolygonF& points);
    void PolyPolygon(const std::vector<QPolygonF>& polygons);
    void PolyPolyline(const std::vector<QPolygonF>& polylines);
    void Rectangle(const QRectF& r);
    void RoundRect(const QRectF& r, QSizeF corner);
    void Ellipse(const QRectF& r);
    enum ArcKind { arc, chord, pie, arcTo };
    void Arc(const QRectF& box, QPointF start, QPointF end, ArcKind kind);
    void AngleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees);
    void SetPixel(QPointF p, uint32_t colorref);
    // options: 2 fills rect with the background colour, 4 clips to it; dx,
    // when given, the advance of every character.
    void TextOut(QPointF reference, const QString& text, uint32_t options, const std::optional<QRectF>& rect,
                 const std::vector<double>& dx);
    // The part src (pixels, from the top) of image stretched over dest.
    void StretchImage(const QRectF& dest, const QImage& image, const QRectF& src, uint32_t rop);
    // A rectangle filled by a raster operation without a source picture.
    void PatBlt(const QRectF& r, uint32_t rop);
    // A region in the metafile's device units filled with brush.
    void FillRegion(const std::vector<QRectF>& rects, const QBrush& brush);

    void BeginPath() { path_.emplace(); }
    void EndPath() { pathClosed_ = true; }
    void AbortPath() { path_.reset(); }
    void CloseFigure();
    void FillPath() { DrawPath(true, false); }
    void StrokePath() { DrawPath(false, true); }
    void StrokeAndFillPath() { DrawPath(true, true); }

private:
    struct State {
        int mapMode = mmText;
        QPointF windowOrg, viewportOrg;
        QSizeF windowExt{1, 1}, viewportExt{1, 1};
        QTransform world;
        QPen pen;
        QBrush brush;
        MetaFont font;
        QColor textColour = Qt::black;
        QColor backgroundColour = Qt::white;
        bool opaqueBackground = true;
        uint32_t textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        bool clockwise = false;
        QPointF position;
        QRegion clip;
    };

    QTransform Page() const;
    // Logical units to the painter's device.
    QTransform Full() const { return state_.world * Page() * base_; }
    // Readies the painter for one drawing call in logical units.
    void Apply();
    // Draws path (logical units), or adds it to the open path; connect
    // joins it to the figure the current position ends.
    void Draw(QPainterPath path, bool fill, bool stroke, bool connect = false);
    void DrawPath(bool fill, bool stroke);
    void Clip(const QRegion& device, int mode);
    // The target with a pixel's margin: all that drawing can reach.
    QRectF Bounds() const;
    QRegion DeviceRegion(const QRectF& logical) const;
    QRegion DeviceRegion(const std::vector<QRectF>& rects) const;
    QPainterPath ArcPath(const QRectF& box, QPointF start, QPointF end, ArcKind kind) const;

    QPainter& out_;
    QRect target_;
    QTransform base_;
    double dotsPerMmX_ = 96 / 25.4;
    double dotsPerMmY_ = 96 / 25.4;
    State state_;
    std::vector<State> saved_;
    std::optional<QPainterPath> path_;
    bool pathClosed_ = false;
};
