#include "editor/ui/DeviceResolution.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace {

constexpr int32_t kNoPrinterDpi = 300;
constexpr int32_t kFallbackScreenDpi = 96;

}  // namespace

QnPoint LdScreenResolution()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {kFallbackScreenDpi, kFallbackScreenDpi};
    return {int32_t(screen->logicalDotsPerInchX() + 0.5), int32_t(screen->logicalDotsPerInchY() + 0.5)};
}

std::optional<QnPoint> LdDefaultPrinterResolution()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    const int x = printer.logicalDpiX();
    const int y = printer.logicalDpiY();
    if (x <= 0 || y <= 0)
        return std::nullopt;
    return QnPoint{x, y};
}

QnPoint LdPrinterResolution()
{
    return LdDefaultPrinterResolution().value_or(QnPoint{kNoPrinterDpi, kNoPrinterDpi});
}
