// Checks on a grab of a window that catch a blank or misplaced drawing: a
// child drawn where it sits, text inked, a picture found where it belongs.
#pragma once

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace albumapptest {

// A grab in one pixel format, for comparing pixels.
inline QImage Shot(QWidget* window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Pixels of r dark enough to be text (or a frame line).
inline int InkPixels(const QImage& shot, const QRect& r)
{
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(shot.pixel(x, y)) < 110;
    return ink;
}

// Where child sits in window.
inline QRect PlaceIn(const QWidget* window, const QWidget* child)
{
    return QRect(child->mapTo(window, QPoint(0, 0)), child->size());
}

// child's own drawing is what the window's grab shows at its place.
inline void ExpectDrawnInPlace(const QImage& shot, const QWidget* window, QWidget* child)
{
    const QRect at = PlaceIn(window, child);
    ASSERT_TRUE(shot.rect().contains(at));
    EXPECT_EQ(shot.copy(at), Shot(child));
}

// The icon's opaque pixels at size somewhere inside r of the shot.
inline bool ShowsIcon(const QImage& shot, const QRect& r, const QIcon& icon, const QSize& size)
{
    const QImage picture = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int top = r.top(); top + picture.height() <= r.bottom() + 1; ++top)
        for (int left = r.left(); left + picture.width() <= r.right() + 1; ++left) {
            bool all = true;
            for (int y = 0; y < picture.height() && all; ++y)
                for (int x = 0; x < picture.width() && all; ++x) {
                    const QRgb p = picture.pixel(x, y);
                    all = qAlpha(p) < 255 || (shot.pixel(left + x, top + y) & 0xFFFFFF) == (p & 0xFFFFFF);
                }
            if (all)
                return true;
        }
    return false;
}

}  // namespace albumapptest
