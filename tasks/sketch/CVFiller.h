// What fills the inside of a sketch shape: nothing in this base, a picture,
// a colour or a metafile in the classes derived from it. A filler is a
// command target, so menu commands reach the filler of the selected shape.
#pragma once

#include <vector>

#include "framework/CmdTarget.h"
#include "render/Rect.h"

class CVSketchDC;
class QImage;

class CVFiller : public fw::CmdTarget {
    FW_DECLARE_SERIAL(CVFiller)

public:
    CVFiller() = default;
    ~CVFiller() override = default;

    // Fills d (sketch units) only where mask, a picture of d's size in
    // device units, is black.
    virtual void FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask);
    // Fills the shape of points whose bounding rectangle is r (sketch units).
    virtual void Fill(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>* points);
    // Lets the user choose what the filler shows.
    virtual void Edit();
    virtual int IsFiller() const { return 1; }
};
