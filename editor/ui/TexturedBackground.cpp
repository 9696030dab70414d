#include "editor/ui/TexturedBackground.h"

#include "editor/ui/ProgramEnvironment.h"
#include "editor/ui/SysColor.h"
#include "framework/App.h"

#include <QPainter>
#include <QWidget>

namespace {

constexpr uint32_t kTextureBitmap = 161;

// The window whose client area the tiles are aligned to.
QWidget* MainWindowOf(QWidget* wnd)
{
    if (fw::App* app = fw::App::Get()) {
        if (QWidget* main = app->GetMainWidget())
            return main;
    }
    return wnd ? wnd->window() : nullptr;
}

}  // namespace

int32_t LdTileStart(int32_t areaStart, int32_t areaInMain, int32_t origin, int32_t tile)
{
    // A floored remainder: an area left of (or above) the origin must still
    // start its first tile at or before its edge, or a strip of it would
    // stay unpainted.
    int64_t phase = (int64_t(areaInMain) - origin) % tile;
    if (phase < 0)
        phase += tile;
    return int32_t(areaStart - phase);
}

QImage LdTextureTile()
{
    const auto bitmap = LdLoadProgramBitmap(kTextureBitmap);
    if (!bitmap || bitmap->isNull())
        return QImage();
    QImage tile = bitmap->convertToFormat(QImage::Format_RGB32);
    const QRgb face = LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)).rgb();
    const QRgb highlight = LdQColor(LdGetSysColor(LD_COLOR_BTNHIGHLIGHT)).rgb();
    const QRgb shadow = LdQColor(LdGetSysColor(LD_COLOR_BTNSHADOW)).rgb();
    for (int y = 0; y < tile.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            switch (line[x] & 0xFFFFFF) {
            case 0x0000FF:
                line[x] = face;
                break;
            case 0xFF0000:
                line[x] = highlight;
                break;
            case 0x00FF00:
                line[x] = shadow;
                break;
            default:
                break;
            }
        }
    }
    return tile;
}

void PaintTexturedBackground(QWidget* wnd, QPainter& dc, const QRect& area, const QPoint& origin)
{
    if (area.isEmpty())
        return;
    const QImage tile = LdTextureTile();
    if (tile.isNull()) {
        dc.fillRect(area, LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
        return;
    }
    QPoint inMain = area.topLeft();
    if (QWidget* main = MainWindowOf(wnd); wnd && main && main != wnd)
        inMain = wnd->mapToGlobal(area.topLeft()) - main->mapToGlobal(QPoint(0, 0));
    const int32_t left = LdTileStart(area.left(), inMain.x(), origin.x(), tile.width());
    const int32_t top = LdTileStart(area.top(), inMain.y(), origin.y(), tile.height());
    dc.save();
    dc.setClipRect(area, Qt::IntersectClip);
    for (int32_t y = top; y <= area.bottom(); y += tile.height()) {
        for (int32_t x = left; x <= area.right(); x += tile.width())
            dc.drawImage(QPoint(x, y), tile);
    }
    dc.restore();
}
