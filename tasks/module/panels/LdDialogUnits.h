// The panels are laid out in the dialog units of their 8-point dialog font:
// 4 horizontal units are the average character of 6 pixels, 8 vertical
// units a line of 13 pixels.
#pragma once

#include <QRect>

constexpr int LdDluX(int x) { return x * 3 / 2; }
constexpr int LdDluY(int y) { return y * 13 / 8; }

inline QRect LdDluRect(int x, int y, int width, int height)
{
    return QRect(LdDluX(x), LdDluY(y), LdDluX(width), LdDluY(height));
}
