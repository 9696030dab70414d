// A device context over a QPainter that is active on a widget, an image or
// a printer. Device pixels are the painter's device units (on a scaled
// screen, device-independent pixels). While it draws, the context's own
// mapping and clip stand in for the painter's transform and clip. A
// widget's paint area, given as its paint event's region, limits the clip
// box and the visibility tests as the paint area of a window does (the
// painter itself never draws outside it).
#pragma once

#include "blt/DeviceContext.h"

#include <QRegion>

class QPainter;

class QPainterDC : public DeviceContext {
public:
    // The painter must stay active while the context is used. paintArea is
    // in device pixels; empty means the whole device.
    explicit QPainterDC(QPainter& painter, const QRegion& paintArea = QRegion());

    QnPoint DeviceSize() const override;
    QnPoint Resolution() const override;

protected:
    QnRgn SystemRgn() const override;
    void FillDevice(const QnRgn& area, QnColorRef colour) override;
    void PutDevice(const QnRgn& area, const DeviceImage& image) override;

private:
    QPainter& painter_;
    QnRgn paintArea_;
    bool hasPaintArea_;
};
