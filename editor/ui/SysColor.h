// The system colours the editor's controls are drawn in, taken from the
// application's palette, and the three-dimensional edges drawn with them.
#pragma once

#include "platform/Dib.h"

#include <QColor>
#include <QRect>
#include <cstdint>

class QPainter;

enum : int32_t {
    LD_COLOR_BTNFACE = 15,
    LD_COLOR_BTNSHADOW = 16,
    LD_COLOR_GRAYTEXT = 17,
    LD_COLOR_BTNTEXT = 18,
    LD_COLOR_BTNHIGHLIGHT = 20,
    LD_COLOR_3DDKSHADOW = 21,
    LD_COLOR_3DLIGHT = 22,
};

// The colour of a system colour index as 0x00BBGGRR; black for an index the
// editor does not use.
platform::COLORREF LdGetSysColor(int32_t index);

inline QColor LdQColor(platform::COLORREF c)
{
    return QColor(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c));
}

// Border kinds of an edge: raised or sunken, outer or inner line.
enum : uint32_t {
    LD_BDR_RAISEDOUTER = 0x1,
    LD_BDR_SUNKENOUTER = 0x2,
    LD_BDR_RAISEDINNER = 0x4,
    LD_BDR_SUNKENINNER = 0x8,
    LD_EDGE_RAISED = LD_BDR_RAISEDOUTER | LD_BDR_RAISEDINNER,
    LD_EDGE_SUNKEN = LD_BDR_SUNKENOUTER | LD_BDR_SUNKENINNER,
    LD_EDGE_BUMP = LD_BDR_RAISEDOUTER | LD_BDR_SUNKENINNER,
};

// Draws the edge on all four sides inside r: one line for the outer kind,
// one inside it for the inner kind.
void LdDrawEdge(QPainter& painter, const QRect& r, uint32_t edge);
// A one-pixel frame inside r: topLeft along the top and left, bottomRight
// along the bottom and right.
void LdDraw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);
