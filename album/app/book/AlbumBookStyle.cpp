#include "album/app/book/AlbumBookStyle.h"

#include <QPainter>
#include <QPalette>
#include <QApplication>

namespace albumbook {

namespace {

constexpr int kScreenDpi = 96;

QImage MakePaper()
{
    // A warm paper with a faint fibre that repeats without seams.
    QImage paper(64, 64, QImage::Format_RGB32);
    uint32_t state = 12345;
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x) {
            state = state * 214013 + 2531011;
            const int grain = int((state >> 16) & 7) - 3;
            paper.setPixel(x, y, qRgb(92 + grain, 60 + grain, 40 + grain));
        }
    return paper;
}

QImage MakeRing()
{
    QImage ring(28, 12, QImage::Format_ARGB32_Premultiplied);
    ring.fill(Qt::transparent);
    QPainter p(&ring);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient metal(0, 0, 0, 12);
    metal.setColorAt(0, QColor(240, 240, 240));
    metal.setColorAt(0.5, QColor(150, 150, 160));
    metal.setColorAt(1, QColor(90, 90, 100));
    p.setBrush(metal);
    p.setPen(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(0.5, 2.5, 27, 7), 3.5, 3.5);
    return ring;
}

QImage MakeKnob()
{
    QImage knob(16, 16, QImage::Format_ARGB32_Premultiplied);
    knob.fill(Qt::transparent);
    QPainter p(&knob);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(6, 6, 9);
    shine.setColorAt(0, QColor(255, 236, 162));
    shine.setColorAt(1, QColor(160, 110, 0));
    p.setBrush(shine);
    p.setPen(QColor(80, 50, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    return knob;
}

} // namespace

QFont TimesFont(int tenthsOfPoint)
{
    QFont font("Liberation Serif");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, tenthsOfPoint * kScreenDpi / 720));
    return font;
}

QColor ButtonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

const QImage& PaperBitmap()
{
    static const QImage paper = MakePaper();
    return paper;
}

const QImage& RingBitmap()
{
    static const QImage ring = MakeRing();
    return ring;
}

const QImage& KnobBitmap()
{
    static const QImage knob = MakeKnob();
    return knob;
}

} // namespace albumbook
