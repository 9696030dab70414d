// A shape of the sketch: a polygon in sketch coordinates with an optional
// outliner and filler, which it owns. The base draws nothing and is hit
// anywhere in its bounding rectangle; the concrete shapes (line, group,
// text, month grid) derive from it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/CmdTarget.h"
#include "render/Rect.h"
#include "tasks/sketch/CVFiller.h"
#include "tasks/sketch/CVOutliner.h"

class CVFiller_Bitmap;
class CVSketchDC;

class CVShape : public fw::CmdTarget {
    FW_DECLARE_SERIAL(CVShape)

public:
    CVShape() = default;
    ~CVShape() override;

    // Command routing: the filler, then the outliner, then the shape.
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override;

    // Moves every point from the frame from into the frame to; returns the
    // number of points moved.
    virtual int MapPoints(const QnRect& from, const QnRect& to);
    // True when pt lies in the bounding rectangle.
    virtual int HitTest(const QnPoint& pt);
    // True when both corners of the bounding rectangle lie in r.
    virtual int IsInside(const QnRect& r);
    virtual void Draw(CVSketchDC* dc);
    // The smallest normalised rectangle that holds every point.
    virtual QnRect GetBoundRect() const;
    // Makes the filler show the extent bytes of the packed DIB at dib
    // without copying them (they stay the caller's); any filler the shape
    // had is deleted. Returns the new filler.
    virtual CVFiller_Bitmap* SetBitmapFill(const void* dib, size_t extent);
    // Only for a shape without a filler: the bitmap file dialog, and on OK a
    // filler showing the chosen file.
    virtual void ChooseBitmapFill();
    virtual void EditColor() {}
    virtual void EditFont() {}
    // The flat stored form of the calendar file.
    virtual void Store(fw::Archive&) {}
    virtual void Load(fw::Archive&) {}

    // Points, then the outliner and the filler each behind a presence flag.
    void Serialize(fw::Archive& ar) override;

    void SetOutliner(std::unique_ptr<CVOutliner> o) { outliner = std::move(o); }
    void SetFiller(std::unique_ptr<CVFiller> f) { filler = std::move(f); }

    std::vector<QnPoint> points;
    std::unique_ptr<CVOutliner> outliner;
    std::unique_ptr<CVFiller> filler;

protected:
    // The flat form's rectangle: written as the bounding rectangle, and read
    // back by fitting the present polygon into it.
    void StoreRect(fw::Archive& ar) const;
    QnRect LoadRect(fw::Archive& ar);
    void FitInto(const QnRect& stored);
};
