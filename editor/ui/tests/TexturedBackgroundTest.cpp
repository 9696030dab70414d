// The textured background: the key colours of the tile become the button
// colours, and the tiles line up across windows as if painted once over the
// main window, moved by the origin.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "editor/ui/SysColor.h"
#include "editor/ui/TexturedBackground.h"

TEST(TexturedBackground, FirstTileStart)
{
    struct Case {
        int32_t areaStart, inMain, origin, tile, start;
    };
    const Case cases[] = {
        {0, 0, 0, 8, 0},
        {0, 5, 0, 8, -5},
        {10, 25, 0, 8, 9},
        {4, 20, 4, 8, 4},     // the origin moves the pattern with the contents
        {0, 3, -10, 8, -5},   // a bar slid out: origin negative
        {0, 3, 5, 8, -6},     // area before the origin: never a gap at its edge
        {7, -1, 0, 8, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LdTileStart(c.areaStart, c.inMain, c.origin, c.tile), c.start)
            << c.areaStart << " " << c.inMain << " " << c.origin;
}

TEST(TexturedBackground, TileTakesTheButtonColours)
{
    const QImage tile = LdTextureTile();
    ASSERT_EQ(tile.size(), QSize(8, 8));
    EXPECT_EQ(tile.pixel(0, 0), LdQColor(LdGetSysColor(LD_COLOR_BTNHIGHLIGHT)).rgb());  // red
    EXPECT_EQ(tile.pixel(1, 0), LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)).rgb());       // blue
    EXPECT_EQ(tile.pixel(7, 0), LdQColor(LdGetSysColor(LD_COLOR_BTNSHADOW)).rgb());     // green
    EXPECT_EQ(tile.pixel(0, 4), qRgb(10, 20, 30));                                      // kept
}

TEST(TexturedBackground, PatternRunsOnAcrossWindows)
{
    const QImage tile = LdTextureTile();
    QWidget main;
    main.resize(100, 80);
    QWidget left(&main), right(&main);
    left.setGeometry(3, 5, 20, 30);
    right.setGeometry(29, 11, 25, 20);
    for (const QPoint origin : {QPoint(0, 0), QPoint(2, -13)}) {
        for (QWidget* child : {&left, &right}) {
            QImage image(child->size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            PaintTexturedBackground(child, painter, QRect(1, 2, child->width() - 1, child->height() - 2), origin);
            painter.end();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int mx = x + child->x() - origin.x(), my = y + child->y() - origin.y();
                    const QRgb expected =
                        (x < 1 || y < 2) ? qRgb(0, 0, 0) : tile.pixel(((mx % 8) + 8) % 8, ((my % 8) + 8) % 8);
                    ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
                }
            }
        }
    }
}
