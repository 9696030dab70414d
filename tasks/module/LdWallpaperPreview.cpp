#include "tasks/module/LdWallpaperPreview.h"

#include <algorithm>
#include <cstdint>

namespace {

int Share(int area, int picture, int screen)
{
    if (screen <= 0)
        return 1;
    return int(std::max<int64_t>(1, int64_t(area) * picture / screen));
}

}  // namespace

QSize CLdWallpaperPreview::TileSize(QSize area, QSize picture, QSize screen)
{
    return {Share(area.width(), picture.width(), screen.width()),
            Share(area.height(), picture.height(), screen.height())};
}

std::vector<QRect> CLdWallpaperPreview::Tiles(const QRect& area, QSize picture, QSize screen, bool tiled)
{
    std::vector<QRect> tiles;
    if (area.isEmpty() || picture.isEmpty())
        return tiles;
    const QSize tile = TileSize(area.size(), picture, screen);
    if (!tiled) {
        tiles.emplace_back(QPoint(area.left() + (area.width() - tile.width()) / 2,
                                  area.top() + (area.height() - tile.height()) / 2),
                           tile);
        return tiles;
    }
    // QRect's right and bottom are the last pixels inside.
    for (int y = area.top(); y <= area.bottom(); y += tile.height())
        for (int x = area.left(); x <= area.right(); x += tile.width())
            tiles.emplace_back(QPoint(x, y), tile);
    return tiles;
}
