// The drawing context every sketch drawing call goes through: the output
// (a painter on a window, an image or a printer), the scale from sketch to
// device units, whether the output is a printer, and the text state that
// drawing code sets and restores the way it would on a device context
// (text colour, background mode, selected font).
#pragma once

#include <cstdint>
#include <string>

#include <QBrush>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QSize>
#include <optional>
#include <vector>

#include "render/Rect.h"
#include "tasks/sketch/CVScale.h"

class QPainter;

// DrawText formats.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

class CVSketchDC {
public:
    // Draws on output, which must stay active while the context is used.
    CVSketchDC(QPainter& output, const CVScale& scale, bool printing);
    // Draws on the output of target with another scale; a sketch drawn for
    // the printer knows it through the copied printing flag.
    CVSketchDC(const CVSketchDC& target, const CVScale& scale);
    CVSketchDC(const CVSketchDC&) = delete;
    CVSketchDC& operator=(const CVSketchDC&) = delete;

    QPainter& Painter() const { return output_; }
    const CVScale& Scale() const { return scale_; }
    bool IsPrinting() const { return printing_; }

    // Each returns the previous value.
    uint32_t SetTextColor(uint32_t colour);
    int SetBkMode(int mode);
    QFont SelectFont(const QFont& font);
    const QFont& GetFont() const { return font_; }

    // Width and height of text in the selected font, in device units.
    QSize GetTextExtent(const std::string& text) const;
    // One line of text in r (device units) with the DT_ format flags.
    void DrawText(const std::string& text, const QnRect& r, unsigned format);
    // The dragging frame: the border of r (device units), size.x wide at the
    // sides and size.y at top and bottom, inverted through a halftone
    // pattern, so drawing it twice takes it away.
    void DrawDragRect(const QnRect& r, const QnPoint& size);

    // Lines and filled polygons in device units. Between BeginPath and
    // EndPath they are recorded as a path instead of drawn (pens and brushes
    // do not matter there).
    void Polyline(const std::vector<QnPoint>& points, const QPen& pen);
    void Polygon(const std::vector<QnPoint>& points, const QBrush& brush);
    void BeginPath();
    QPainterPath EndPath();

private:
    QPainter& output_;
    CVScale scale_;
    bool printing_;
    uint32_t textColour_ = 0;
    int bkMode_ = OPAQUE;
    QFont font_;
    std::optional<QPainterPath> path_;
};
