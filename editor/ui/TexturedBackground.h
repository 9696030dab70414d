// The tiled background shared by the bar buttons, the dialog bars and the
// palette window: bitmap 161 of the program with its key colours turned into
// the system's button colours, tiled so that the pattern runs on across
// every window of the main window and moves with a scrolled origin.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>

class QPainter;
class QWidget;

// Where the first tile of one axis starts so that tiles line up with the
// main window's client area moved by origin: areaStart is the area's edge in
// the painted window, areaInMain the same edge in the main window.
int32_t LdTileStart(int32_t areaStart, int32_t areaInMain, int32_t origin, int32_t tile);

// The tile: pure blue becomes the button face, pure red the button
// highlight, pure green the button shadow. A null image when the program has
// no bitmap 161.
QImage LdTextureTile();

// Fills area (client coordinates of wnd) with the tiles; without the bitmap
// the area gets the plain button face.
void PaintTexturedBackground(QWidget* wnd, QPainter& dc, const QRect& area, const QPoint& origin);
