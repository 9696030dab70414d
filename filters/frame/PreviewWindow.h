// The preview control of a filter dialog: paints the tile through the
// host's displayPixels into a device context over the widget, and sizes
// itself to the tile around its own centre.
#pragma once

#include <QWidget>

class PreviewTile;

class PreviewWindow : public QWidget {
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    void SetTile(PreviewTile* tile) { tile_ = tile; }
    PreviewTile* Tile() const { return tile_; }

    // The geometry (x, y, width, height) of a window at that geometry made
    // tile width + 3 by tile height + 3 with its centre kept.
    static QRect FittedTo(const QRect& window, int tileWidth, int tileHeight);
    void FitToTile();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PreviewTile* tile_ = nullptr;
};
