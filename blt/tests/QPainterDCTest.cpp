#include "blt/MemoryDC.h"
#include "blt/qt/QPainterDC.h"
#include "TestDib.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

#include <functional>

namespace {

constexpr int32_t kWidth = 160;
constexpr int32_t kHeight = 120;
constexpr QnColorRef kBackground = QnRGB(1, 2, 3);

QnRgn ComplexRegion()
{
    QnRgn r = QnRgn(QnRect{20, 10, 140, 110}) - QnRgn(QnRect{50, 40, 100, 80});
    r += QnRgn(QnRect{145, 0, 155, 120});
    r -= QnRect{60, 15, 62, 100};
    return r;
}

// One drawing sequence with every operation the blitter and its callers use.
void DrawSequence(DeviceContext& dc)
{
    const TestDib dib(24, 18);
    const TestDib other(7, 5, 0x40);
    dc.FillRect(QnRect{5, 5, 60, 30}, QnRGB(250, 0, 0));
    dc.SetDIBitsToDevice(70, 2, 24, 18, 0, 0, dib.Bits());
    dc.StretchDIBits(100, 0, 55, 41, 2, 3, 17, 11, dib.Bits());  // enlarged
    dc.StretchDIBits(0, 60, 13, 9, 0, 0, 24, 18, dib.Bits());    // reduced

    // Printing: an isotropic map of a 64 x 48 picture into a 100 x 80 area.
    const int32_t saved = dc.SaveDC();
    DcMapping& m = dc.Mapping();
    m.SetMapMode(QN_MM_ISOTROPIC);
    m.SetWindowExt(QnPoint{64, 48});
    m.SetViewportExt(QnPoint{100, 80});
    m.SetViewportOrg(QnPoint{13, 7});
    const QnRgn clip = ComplexRegion();
    dc.SelectClipRgn(&clip);
    dc.FillRect(QnRect{0, 0, 64, 48}, QnRGB(0, 0, 200));
    dc.StretchDIBits(3, 5, 24, 18, 0, 0, 24, 18, dib.Bits());
    dc.StretchDIBits(30, 1, 31, 40, 1, 1, 6, 4, other.Bits());
    dc.ExcludeClipRect(QnRect{35, 10, 45, 30});
    dc.StretchDIBits(60, 47, -40, -20, 0, 0, 24, 18, dib.Bits());  // mirrored both ways

    // The blitter's paint of one box: a rectangle clip of its device pixels.
    dc.SaveDC();
    const QnRect box{8, 25, 40, 45};
    const QnRgn boxClip(dc.Mapping().LPtoDP(box));
    dc.SelectClipRgn(&boxClip);
    dc.StretchDIBits(box.left, box.top, 32, 20, 3, 0, 32, 20, dib.Bits());
    dc.RestoreDC(saved);

    // A block taller than one band of the painter context, under a clip of
    // many pieces: each band meets several of them.
    const TestDib tall(40, 110, 0x21);
    const int32_t beforeTall = dc.SaveDC();
    const QnRgn pieces = ComplexRegion();
    dc.SelectClipRgn(&pieces);
    dc.SetDIBitsToDevice(110, 4, 40, 110, 0, 0, tall.Bits());
    dc.RestoreDC(beforeTall);

    dc.FillRect(QnRect{150, 100, 170, 130}, QnRGB(0, 120, 0));
}

QnColorRef ImagePixel(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return QnRGB(uint8_t(qRed(p)), uint8_t(qGreen(p)), uint8_t(qBlue(p)));
}

void ExpectSamePixels(const MemoryDC& expected, const QImage& image)
{
    int mismatches = 0;
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x)
            if (expected.DevicePixel(x, y) != ImagePixel(image, x, y) && ++mismatches <= 10)
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << expected.DevicePixel(x, y)
                              << " vs " << ImagePixel(image, x, y);
    EXPECT_EQ(mismatches, 0);
}

QImage DrawOnImage(QImage::Format format, const std::function<void(QPainter&)>& prepare = {})
{
    QImage image(kWidth, kHeight, format);
    image.fill(QColor(QnGetRValue(kBackground), QnGetGValue(kBackground), QnGetBValue(kBackground)));
    QPainter painter(&image);
    if (prepare)
        prepare(painter);
    QPainterDC dc(painter);
    DrawSequence(dc);
    return image;
}

TEST(QPainterDC, DrawsTheSamePixelsAsTheMemoryContext)
{
    MemoryDC memory(kWidth, kHeight, kBackground);
    DrawSequence(memory);
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied}) {
        SCOPED_TRACE(format);
        ExpectSamePixels(memory, DrawOnImage(format));
    }
}

TEST(QPainterDC, PainterTransformAndClipNeitherApplyNorGetLost)
{
    MemoryDC memory(kWidth, kHeight, kBackground);
    DrawSequence(memory);
    QTransform seen;
    bool clipping = false;
    const QImage image = DrawOnImage(QImage::Format_RGB32, [&](QPainter& p) {
        p.translate(7, 9);
        p.scale(2, 2);
        p.setClipRect(0, 0, 10, 10);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        {
            QPainterDC dc(p);
            dc.FillRect(QnRect{0, 0, 1, 1}, kBackground);
        }
        seen = p.transform();
        clipping = p.hasClipping();
    });
    ExpectSamePixels(memory, image);
    EXPECT_EQ(seen, QTransform().translate(7, 9).scale(2, 2));
    EXPECT_TRUE(clipping);
}

TEST(QPainterDC, APainterClipCutsNothingItDoesNotHold)
{
    MemoryDC memory(kWidth, kHeight, kBackground);
    DrawSequence(memory);
    // A clip over all the device, a clip of many pieces over part of it,
    // and one with a hole: the drawing comes out the same under each.
    const QRegion clips[] = {
        QRegion(0, 0, kWidth, kHeight),
        QRegion(0, 0, kWidth, kHeight) - QRegion(112, 6, 3, 90),
        QRegion(100, 0, 60, 120) + QRegion(0, 0, 40, 20),
    };
    for (const QRegion& clip : clips) {
        const QImage image = DrawOnImage(QImage::Format_RGB32, [&](QPainter& p) { p.setClipRegion(clip); });
        ExpectSamePixels(memory, image);
    }
}

TEST(QPainterDC, DeviceSizeAndResolutionComeFromThePaintDevice)
{
    QImage image(123, 45, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);  // 300 dpi
    image.setDotsPerMeterY(5906);   // 150 dpi
    QPainter painter(&image);
    const QPainterDC dc(painter);
    EXPECT_EQ(dc.DeviceSize(), (QnPoint{123, 45}));
    EXPECT_EQ(dc.Resolution(), (QnPoint{300, 150}));
}

TEST(QPainterDC, OnAPrintDeviceUnitsAreThePrintersPixels)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPdfWriter writer(dir.filePath("page.pdf"));
    writer.setResolution(600);
    QPainter painter(&writer);
    ASSERT_TRUE(painter.isActive());
    QPainterDC dc(painter);
    EXPECT_EQ(dc.Resolution(), (QnPoint{600, 600}));
    EXPECT_EQ(dc.DeviceSize(), (QnPoint{writer.width(), writer.height()}));
    EXPECT_GT(dc.DeviceSize().x, 3000);  // a page at 600 dpi
    DrawSequence(dc);
    EXPECT_TRUE(painter.end());
}

// A widget whose paint fills its whole device through the context and
// records what the context saw of the paint area.
class PaintProbe : public QWidget {
public:
    QnRect clipBox;
    bool cornerVisible = true;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        QPainterDC dc(painter, event->region());
        clipBox = dc.GetClipBox();
        cornerVisible = dc.RectVisible(QnRect{0, 0, 5, 5});
        dc.FillRect(QnRect{0, 0, 100, 100}, QnRGB(255, 0, 255));
    }
};

TEST(QPainterDC, AWidgetsPaintAreaLimitsDrawingAndTheClipBox)
{
    PaintProbe widget;
    widget.resize(60, 40);
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRegion area = QRegion(10, 5, 20, 10) + QRegion(35, 20, 10, 15);
    // The area's box lands at its own place: image pixels are widget pixels.
    widget.render(&image, QPoint(10, 5), area, QWidget::RenderFlags());
    EXPECT_EQ(widget.clipBox, (QnRect{10, 5, 45, 35}));
    EXPECT_FALSE(widget.cornerVisible);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            EXPECT_EQ(image.pixel(x, y), area.contains(QPoint(x, y)) ? qRgb(255, 0, 255) : qRgb(0, 0, 0))
                << x << "," << y;
}

} // namespace
