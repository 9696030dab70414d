#include "tasks/sketch/CVShape.h"

#include "framework/Archive.h"
#include "tasks/sketch/CVFiller_Bitmap.h"
#include "tasks/sketch/SketchArchive.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchGeometry.h"

FW_IMPLEMENT_SERIAL(CVShape, fw::CmdTarget, 1)

CVShape::~CVShape() = default;

bool CVShape::OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui)
{
    if (filler && filler->OnCmdMsg(id, code, ui))
        return true;
    if (outliner && outliner->OnCmdMsg(id, code, ui))
        return true;
    return fw::CmdTarget::OnCmdMsg(id, code, ui);
}

int CVShape::MapPoints(const QnRect& from, const QnRect& to)
{
    // A degenerate frame divides by 1. Products are taken in 64 bits.
    int64_t w = from.Width();
    int64_t h = from.Height();
    if (w <= 0)
        w = 1;
    if (h <= 0)
        h = 1;
    for (QnPoint& p : points) {
        p.x = static_cast<int32_t>(to.left + (int64_t(p.x) - from.left) * to.Width() / w);
        p.y = static_cast<int32_t>(to.top + (int64_t(p.y) - from.top) * to.Height() / h);
    }
    return static_cast<int>(points.size());
}

int CVShape::HitTest(const QnPoint& pt) { return SketchPtInRect(GetBoundRect(), pt) ? 1 : 0; }

int CVShape::IsInside(const QnRect& r)
{
    const QnRect b = GetBoundRect();
    return SketchPtInRect(r, SketchTopLeft(b)) && SketchPtInRect(r, SketchBottomRight(b)) ? 1 : 0;
}

void CVShape::Draw(CVSketchDC*) {}

QnRect CVShape::GetBoundRect() const
{
    // Shapes are made with at least two points; fewer give what they have.
    if (points.empty())
        return QnRect{};
    if (points.size() == 1)
        return QnRect{points[0].x, points[0].y, points[0].x, points[0].y};
    QnRect r = SketchRectOf(points[0], points[1]);
    for (size_t i = 2; i < points.size(); ++i) {
        r.left = std::min(r.left, points[i].x);
        r.right = std::max(r.right, points[i].x);
        r.top = std::min(r.top, points[i].y);
        r.bottom = std::max(r.bottom, points[i].y);
    }
    return r;
}

CVFiller_Bitmap* CVShape::SetBitmapFill(const void* dib, size_t extent)
{
    auto bitmap = std::make_unique<CVFiller_Bitmap>(dib, extent);
    CVFiller_Bitmap* result = bitmap.get();
    filler = std::move(bitmap);
    return result;
}

void CVShape::ChooseBitmapFill()
{
    if (filler)
        return;
    if (const auto path = SketchChooseBitmapFile())
        filler = std::make_unique<CVFiller_Bitmap>(*path);
}

void CVShape::Serialize(fw::Archive& ar)
{
    fw::CmdTarget::Serialize(ar);
    if (ar.IsStoring()) {
        SketchWritePoints(ar, points);
        ar << static_cast<uint32_t>(outliner ? 1 : 0);
        if (outliner)
            ar.WriteObject(outliner.get());
        ar << static_cast<uint32_t>(filler ? 1 : 0);
        if (filler)
            ar.WriteObject(filler.get());
        return;
    }
    // Read whole before anything is replaced, so a damaged archive leaves
    // the shape as it was.
    std::vector<QnPoint> readPoints = SketchReadPoints(ar);
    uint32_t flag = 0;
    std::unique_ptr<CVOutliner> readOutliner;
    ar >> flag;
    if (flag)
        readOutliner = ar.ReadOwnedObjectAs<CVOutliner>();
    std::unique_ptr<CVFiller> readFiller;
    ar >> flag;
    if (flag)
        readFiller = ar.ReadOwnedObjectAs<CVFiller>();
    points = std::move(readPoints);
    outliner = std::move(readOutliner);
    filler = std::move(readFiller);
}

void CVShape::StoreRect(fw::Archive& ar) const { SketchWriteRect(ar, GetBoundRect()); }

QnRect CVShape::LoadRect(fw::Archive& ar) { return SketchReadRect(ar); }

void CVShape::FitInto(const QnRect& stored) { MapPoints(GetBoundRect(), stored); }
