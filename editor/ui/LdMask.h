// An 8-bit coverage mask drawn like a device context: text, brush shapes,
// rectangles and regions go black on white into a grey DIB (255 nothing
// drawn, 0 fully drawn), optionally at a larger scale and averaged down so
// that edges come out soft. The text tool, the brush shapes of the painter
// and clone tools and the selection masks read the finished bytes as alpha.
//
// The bits are those of a bottom-up DIB with a 256-entry grey palette: rows
// of GetRowBytes() bytes, the last row of the picture first. Coordinates of
// the drawing calls are those of the picture as seen, y growing downwards.
#pragma once

#include "editor/ui/MaskPixels.h"
#include "editor/helpdlg/SystemFont.h"
#include "render/Rect.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

class QImage;
class QnRgn;

// DrawText format flags.
enum : uint32_t {
    LD_DT_LEFT = 0x0000,
    LD_DT_CENTER = 0x0001,
    LD_DT_RIGHT = 0x0002,
    LD_DT_VCENTER = 0x0004,
    LD_DT_BOTTOM = 0x0008,
    LD_DT_WORDBREAK = 0x0010,
    LD_DT_SINGLELINE = 0x0020,
    LD_DT_EXPANDTABS = 0x0040,
    LD_DT_NOCLIP = 0x0100,
    LD_DT_CALCRECT = 0x0400,
    LD_DT_NOPREFIX = 0x0800,
};

// Qt's layout flags for the system's DrawText format flags.
int LdTextFlags(uint32_t format);

class CLdMask {
public:
    CLdMask();
    virtual ~CLdMask();
    CLdMask(const CLdMask&) = delete;
    CLdMask& operator=(const CLdMask&) = delete;

    // Prepares a white mask of width x height. With supersample, drawing goes
    // into a surface scale times larger that End averages down. The bits are
    // kept (and GetBits stays the same) when the size is the previous one
    // and neither call supersamples. A size or scale below 1, or one too
    // large to hold, raises QnExcept.
    void Begin(int32_t width, int32_t height, bool supersample, int32_t scale);
    // Averages the larger surface down into the mask; drawing ends.
    void End();
    bool IsDrawing() const { return drawing_; }

    QSize GetSize() const { return QSize(width_, height_); }
    int32_t GetRowBytes() const { return int32_t(LdGreyStride(width_)); }
    // The mask's bits; valid from End until the next Begin.
    const uint8_t* GetBits() const { return maskBits_.empty() ? nullptr : maskBits_.data(); }

    // The font of DrawText, used at its own size also when supersampling
    // (the caller makes it at the larger scale). At first the system font.
    void SelectFont(const CLdLogFont& font) { font_ = font; }
    // Draws text black on its white cell background in r (multiplied by the
    // scale when supersampling), laid out as the format flags say. Returns
    // the height of the text; with LD_DT_CALCRECT it only measures.
    int32_t DrawText(const QString& text, const QnRect& r, uint32_t format);
    // The size of the block DrawText would lay text in, in the selected
    // font at its own size (what DT_CALCRECT measures from an empty
    // rectangle). Needs no drawing under way.
    QSize MeasureText(const QString& text, uint32_t format) const;
    // A pattern block transfer with the white brush of a new context (so
    // BLACKNESS, WHITENESS and DSTINVERT are the useful operations); the
    // four numbers are multiplied by the scale when supersampling. A
    // negative width or height extends the block leftwards or upwards.
    // False when not drawing or when the operation needs a source.
    bool PatBlt(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop);
    // Fills the region, as it is (not scaled), with a solid grey.
    bool FillRgn(const QnRgn& rgn, uint8_t grey);
    // Draws cell `cell` of a vertical strip of square brush shapes (cells as
    // wide as the strip, one under the other) over the whole white mask,
    // inset by SmoothRadius(smooth), and smooths it. The strip may be of any
    // format; it is read as grey. False when not drawing or when the strip
    // has no such cell.
    bool DrawShapeCell(const QImage& strip, int32_t cell, int32_t smooth);

    // Box radius of a smoothing level: 0, width / 7, width / 5, width / 3.
    int32_t SmoothRadius(int32_t level) const;
    // Averages the mask over boxes of side SmoothRadius(level) / 2 * 2 + 1;
    // level 0 leaves it as it is.
    void Smooth(int32_t level);

private:
    void DownSample();
    int32_t Scale() const { return supersample_ ? scale_ : 1; }
    CLdGreyBits MaskSurface() { return CLdGreyBits{maskBits_.data(), width_, height_, LdGreyStride(width_)}; }
    // What drawing goes into: the larger surface when supersampling.
    CLdGreyBits Surface();

    int32_t scale_ = 1;
    bool supersample_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool drawing_ = false;
    std::vector<uint8_t> scaledBits_;
    std::vector<uint8_t> maskBits_;
    CLdLogFont font_;
    // A shape drawn into the larger surface is smoothed once it is averaged
    // down: the smoothing works on mask pixels.
    int32_t pendingSmooth_ = 0;
};
