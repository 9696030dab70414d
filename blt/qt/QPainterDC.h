// A device context over a QPainter that is active on a widget, an image or
// a printer. Device pixels are the painter's device units (on a scaled
// screen, device-independent pixels). While it draws, the context's own
// mapping and clip stand in for the painter's transform and clip; the
// painter's system clip (a widget's paint area) still holds, and is what
// the clip box and visibility tests see.
#pragma once

#include "blt/DeviceContext.h"

class QPainter;

class QPainterDC : public DeviceContext {
public:
    // The painter must stay active while the context is used.
    explicit QPainterDC(QPainter& painter) : painter_(painter) {}

    QnPoint DeviceSize() const override;
    QnPoint Resolution() const override;

protected:
    QnRgn SystemRgn() const override;
    void FillDevice(const QnRgn& area, QnColorRef colour) override;
    void PutDevice(const QnRgn& area, const DeviceImage& image) override;

private:
    QPainter& painter_;
};
