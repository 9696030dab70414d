// What the status bar asks of a picture view under the pointer: the editor's
// picture view implements it beside its widget.
#pragma once

#include "platform/Dib.h"
#include "render/Rect.h"
#include "render/XFormXY.h"

#include <QPoint>

class CLdPictureViewProbe {
public:
    virtual ~CLdPictureViewProbe() = default;
    // Whether a point of the screen falls on the view's client area (not
    // on a scroll bar or border); the point is in global coordinates.
    virtual bool HitTestClient(const QPoint& screenPoint) const = 0;
    // A point of the screen in picture coordinates.
    virtual QnPoint ScreenToPicture(const QPoint& screenPoint) const = 0;
    // The picture's colour at a picture point.
    virtual platform::COLORREF GetPixelColor(const QnPoint& at) const = 0;
    // The view's picture-to-screen transform.
    virtual QnXFormXY GetViewXForm() const = 0;
};
