#include "editor/ui/LdMask.h"

#include "base/QnExcept.h"
#include "render/Rgn.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <limits>

namespace {

constexpr uint8_t kWhite = 255;
constexpr uint8_t kBlack = 0;
// Larger surfaces than this are refused rather than half made.
constexpr uint64_t kMaxSurfaceBytes = uint64_t(1) << 31;

[[noreturn]] void RaiseMask(const char* text, int line)
{
    QnExcept(text, "LdMask", line).raise();
}

} // namespace

int LdTextFlags(uint32_t format)
{
    int flags = 0;
    if (format & LD_DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & LD_DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    // Vertical placement holds for a single line only; text of several
    // lines starts at the top.
    if ((format & LD_DT_SINGLELINE) && (format & LD_DT_VCENTER))
        flags |= Qt::AlignVCenter;
    else if ((format & LD_DT_SINGLELINE) && (format & LD_DT_BOTTOM))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & LD_DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    else if (format & LD_DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & LD_DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (!(format & LD_DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    if (format & LD_DT_NOCLIP)
        flags |= Qt::TextDontClip;
    return flags;
}

namespace {

// The surface as a top-down image (QPainter draws top-down) and back.
QImage TopDownCopy(const CLdGreyBits& bits)
{
    QImage image(bits.width, bits.height, QImage::Format_Grayscale8);
    image.setDotsPerMeterX(3780);  // 96 dpi
    image.setDotsPerMeterY(3780);
    for (int32_t y = 0; y < bits.height; ++y)
        std::memcpy(image.scanLine(y), bits.Row(y), size_t(bits.width));
    return image;
}
void StoreTopDown(const QImage& image, const CLdGreyBits& bits)
{
    for (int32_t y = 0; y < bits.height; ++y)
        std::memcpy(bits.Row(y), image.constScanLine(y), size_t(bits.width));
}

}  // namespace

CLdMask::CLdMask()
{
    // A new context draws text in the system font.
    font_.height = 16;
    font_.weight = 700;
    font_.faceName = "System";
}

CLdMask::~CLdMask() = default;

void CLdMask::Begin(int32_t width, int32_t height, bool supersample, int32_t scale)
{
    if (width < 1 || height < 1 || (supersample && scale < 1))
        RaiseMask("The mask has no size.", __LINE__);
    const int64_t scaledWidth = supersample ? int64_t(width) * scale : width;
    const int64_t scaledHeight = supersample ? int64_t(height) * scale : height;
    if (scaledWidth > std::numeric_limits<int32_t>::max() || scaledHeight > std::numeric_limits<int32_t>::max() ||
        uint64_t(LdGreyStride(scaledWidth)) * uint64_t(scaledHeight) > kMaxSurfaceBytes)
        RaiseMask("The mask is too large.", __LINE__);

    const bool keep = width == width_ && height == height_ && !supersample && !supersample_ && scaledBits_.empty() &&
                      !maskBits_.empty();
    width_ = width;
    height_ = height;
    supersample_ = supersample;
    scale_ = scale;
    pendingSmooth_ = 0;
    if (!keep) {
        scaledBits_.clear();
        scaledBits_.shrink_to_fit();
        maskBits_.clear();
        if (supersample)
            scaledBits_.assign(LdGreyStride(scaledWidth) * size_t(scaledHeight), kWhite);
        maskBits_.assign(LdGreyStride(width) * size_t(height), kWhite);
    }
    drawing_ = true;
    const CLdGreyBits surface = Surface();
    LdPatBlt(surface, QnRect{0, 0, surface.width, surface.height}, LD_WHITENESS, kWhite);
}

void CLdMask::End()
{
    if (!drawing_)
        return;
    if (supersample_) {
        DownSample();
        if (pendingSmooth_)
            Smooth(pendingSmooth_);
        pendingSmooth_ = 0;
    }
    drawing_ = false;
}

CLdGreyBits CLdMask::Surface()
{
    if (!supersample_)
        return MaskSurface();
    return CLdGreyBits{scaledBits_.data(), width_ * scale_, height_ * scale_, LdGreyStride(int64_t(width_) * scale_)};
}

void CLdMask::DownSample()
{
    LdDownSample(Surface(), MaskSurface(), scale_);
}

QSize CLdMask::MeasureText(const QString& text, uint32_t format) const
{
    return QFontMetrics(LdMakeFont(font_)).boundingRect(QRect(), LdTextFlags(format), text).size();
}

int32_t CLdMask::DrawText(const QString& text, const QnRect& r, uint32_t format)
{
    if (!drawing_)
        return 0;
    const int32_t k = Scale();
    const QRect rect(r.left * k, r.top * k, (r.right - r.left) * k, (r.bottom - r.top) * k);
    const QFont font = LdMakeFont(font_);
    const int flags = LdTextFlags(format);
    if (format & LD_DT_CALCRECT)
        return QFontMetrics(font).boundingRect(rect, flags, text).height();

    const CLdGreyBits surface = Surface();
    QImage image = TopDownCopy(surface);
    QRect bounds;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(kBlack, kBlack, kBlack));
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(QColor(kWhite, kWhite, kWhite));
        if (!(format & LD_DT_NOCLIP))
            painter.setClipRect(rect);
        painter.drawText(rect, flags, text, &bounds);
    }
    StoreTopDown(image, surface);
    return bounds.height();
}

bool CLdMask::PatBlt(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop)
{
    if (!drawing_ || LdRopNeedsSource(rop))
        return false;
    const int64_t k = Scale();
    int64_t left = x * k, top = y * k, right = left + w * k, bottom = top + h * k;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    auto clamp = [](int64_t v) {
        return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    };
    LdPatBlt(Surface(), QnRect{clamp(left), clamp(top), clamp(right), clamp(bottom)}, rop, kWhite);
    return true;
}

bool CLdMask::FillRgn(const QnRgn& rgn, uint8_t grey)
{
    if (!drawing_)
        return false;
    const CLdGreyBits surface = Surface();
    for (const QnRect& r : rgn.rects())
        LdPatBlt(surface, r, LD_PATCOPY, grey);
    return true;
}

bool CLdMask::DrawShapeCell(const QImage& strip, int32_t cell, int32_t smooth)
{
    const int32_t c = strip.width();
    if (!drawing_ || c < 1 || cell < 0 || (int64_t(cell) + 1) * c > strip.height())
        return false;
    const QImage grey = strip.convertToFormat(QImage::Format_Grayscale8);
    const int32_t m = SmoothRadius(smooth);
    const int32_t k = Scale();
    const CLdGreyBits surface = Surface();
    LdPatBlt(surface, QnRect{0, 0, width_ * k, height_ * k}, LD_WHITENESS, kWhite);
    const QnRect dst{m * k, m * k, (width_ - m) * k, (height_ - m) * k};
    if (!dst.IsEmpty())
        LdStretchGrey(grey, QnRect{0, c * cell, c, c * (cell + 1)}, surface, dst);
    if (supersample_)
        pendingSmooth_ = smooth;
    else
        Smooth(smooth);
    return true;
}

int32_t CLdMask::SmoothRadius(int32_t level) const
{
    switch (level) {
    case 0:
        return 0;
    case 1:
        return width_ / 7;
    case 2:
        return width_ / 5;
    default:
        return width_ / 3;
    }
}

void CLdMask::Smooth(int32_t level)
{
    if (level == 0 || maskBits_.empty())
        return;
    LdBoxSmooth(MaskSurface(), SmoothRadius(level) / 2);
}
