// Where the wallpaper dialog's preview draws the picture: the preview area
// stands for the screen, so a picture covers the share of it that it would
// cover of the screen, centred once or tiled from the top-left corner.
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class CLdWallpaperPreview {
public:
    // The picture's size in the preview: area size x picture size / screen
    // size, truncated. Never below one pixel, so that a tiny picture still
    // tiles the area (a dot pattern) instead of vanishing.
    static QSize TileSize(QSize area, QSize picture, QSize screen);

    // The rectangles to draw the whole picture into: one centred, or rows
    // from the top while a row's top is inside the area, each from the left
    // while a tile's left edge is inside. The caller clips to the area.
    static std::vector<QRect> Tiles(const QRect& area, QSize picture, QSize screen, bool tiled);
};
