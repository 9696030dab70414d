#include "savers/DesktopScreen.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstring>

SaverDib DesktopScreen::Capture()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->geometry().size();
    QImage image = screen->grabWindow(0).toImage();
    if (image.isNull())
        return SaverDib(size.width(), size.height());
    image = image.convertToFormat(QImage::Format_BGR888);
    SaverDib dib(image.width(), image.height());
    for (int32_t y = 0; y < dib.Height(); ++y)
        std::memcpy(dib.Line(y), image.constScanLine(y), size_t(dib.Width()) * 3);
    return dib;
}
