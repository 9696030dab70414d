// The picture of a bar button with its transparency: pixels of exactly
// RGB(0, 128, 128) are never drawn, every other pixel is. The shadow is the
// silhouette of the drawn pixels in one colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

class QPainter;

class CBarButtonPicture {
public:
    CBarButtonPicture() = default;
    // Builds the mask of picture; a null image is no picture.
    explicit CBarButtonPicture(const QImage& picture);

    bool IsNull() const { return opaque_.isNull(); }
    QSize Size() const { return opaque_.size(); }
    // True for the pixels that are not drawn.
    bool IsTransparent(int x, int y) const { return qAlpha(opaque_.pixel(x, y)) == 0; }

    void Draw(QPainter& painter, const QPoint& at) const;
    void DrawShadow(QPainter& painter, const QPoint& at, const QColor& colour) const;

private:
    // The picture's pixels, fully opaque or fully transparent.
    QImage opaque_;
};
