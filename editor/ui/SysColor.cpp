#include "editor/ui/SysColor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

platform::COLORREF FromQColor(const QColor& c)
{
    return platform::MakeColorRef(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
}

}  // namespace

platform::COLORREF LdGetSysColor(int32_t index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case LD_COLOR_BTNFACE:
        return FromQColor(palette.color(QPalette::Active, QPalette::Button));
    case LD_COLOR_BTNSHADOW:
        return FromQColor(palette.color(QPalette::Active, QPalette::Dark));
    case LD_COLOR_GRAYTEXT:
        return FromQColor(palette.color(QPalette::Disabled, QPalette::ButtonText));
    case LD_COLOR_BTNTEXT:
        return FromQColor(palette.color(QPalette::Active, QPalette::ButtonText));
    case LD_COLOR_BTNHIGHLIGHT:
        return FromQColor(palette.color(QPalette::Active, QPalette::Light));
    case LD_COLOR_3DDKSHADOW:
        return FromQColor(palette.color(QPalette::Active, QPalette::Shadow));
    case LD_COLOR_3DLIGHT:
        return FromQColor(palette.color(QPalette::Active, QPalette::Midlight));
    default:
        return 0;
    }
}

void LdDraw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (r.width() < 1 || r.height() < 1)
        return;
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void LdDrawEdge(QPainter& painter, const QRect& r, uint32_t edge)
{
    const QColor highlight = LdQColor(LdGetSysColor(LD_COLOR_BTNHIGHLIGHT));
    const QColor shadow = LdQColor(LdGetSysColor(LD_COLOR_BTNSHADOW));
    const QColor dark = LdQColor(LdGetSysColor(LD_COLOR_3DDKSHADOW));
    const QColor light = LdQColor(LdGetSysColor(LD_COLOR_3DLIGHT));
    if (edge & LD_BDR_RAISEDOUTER)
        LdDraw3dRect(painter, r, light, dark);
    else if (edge & LD_BDR_SUNKENOUTER)
        LdDraw3dRect(painter, r, shadow, highlight);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (edge & LD_BDR_RAISEDINNER)
        LdDraw3dRect(painter, inner, highlight, shadow);
    else if (edge & LD_BDR_SUNKENINNER)
        LdDraw3dRect(painter, inner, dark, light);
}
