#include "editor/view/LdPainter.h"

#include "editor/document/Lodo40Doc.h"
#include "framework/MessageBox.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace {

int32_t Step(int32_t brushSize) { return std::max(brushSize / 4, 1); }

QnPoint Between(const QnPoint& a, const QnPoint& d, int32_t i, int32_t n)
{
    return QnPoint{a.x + d.x * i / n, a.y + d.y * i / n};
}

// What the commit invalidated shows before the next mouse message.
void ShowNow(CLodo40View* view)
{
    if (view)
        view->UpdateNow();
}

} // namespace

std::vector<QnPoint> PainterSegment(const QnPoint& last, const QnPoint& p, int32_t brushSize)
{
    const QnPoint d{p.x - last.x, p.y - last.y};
    const int32_t n = std::max(std::abs(d.x), std::abs(d.y)), step = Step(brushSize);
    std::vector<QnPoint> points;
    for (int32_t i = 1; i < n; i += step)
        points.push_back(Between(last, d, i, n));
    points.push_back(p);
    return points;
}

std::vector<QnPoint> CloneSegment(const QnPoint& last, const QnPoint& p, int32_t brushSize)
{
    const QnPoint d{p.x - last.x, p.y - last.y};
    const int32_t n = std::max(std::abs(d.x), std::abs(d.y)), step = Step(brushSize);
    std::vector<QnPoint> points;
    for (int32_t i = 0; i < n; i += step)
        points.push_back(Between(last, d, i, n));
    return points;
}

// Painter -------------------------------------------------------------------

void CLdPainter::BeginStroke(CLodo40View& view, const QnPoint& p)
{
    view_ = &view;
    last_ = p;
    if (CLodo40Doc* doc = view.GetDocument())
        doc->PaintStroke(brush_, {p}, QnPoint{1, 0}, true, true);
    ShowNow(view_);
}

void CLdPainter::ContinueStroke(const QnPoint& p)
{
    if (!view_)
        return;
    // The document gets the newest point first.
    std::vector<QnPoint> points = PainterSegment(last_, p, brush_.size);
    std::reverse(points.begin(), points.end());
    if (CLodo40Doc* doc = view_->GetDocument())
        doc->PaintStroke(brush_, points, last_, true, false);
    ShowNow(view_);
    last_ = p;
}

bool CLdPainter::OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers)
{
    BeginStroke(view, p);
    return true;
}

void CLdPainter::OnMouseMove(CLodo40View&, const QnPoint& p, bool captured, Qt::KeyboardModifiers)
{
    if (captured)
        ContinueStroke(p);
}

void CLdPainter::OnButtonUp(CLodo40View&, const QnPoint& p) { EndStroke(p); }

std::optional<QCursor> CLdPainter::Cursor(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers)
{
    return QCursor(Qt::CrossCursor);
}

// Clone ---------------------------------------------------------------------

void CLdClone::SetReference(CLodo40View& view, const QnPoint& p)
{
    if (reference_)
        reference_->HideCloneMarker();
    reference_ = &view;
    referencePoint_ = p;
    anchor_ = nullptr;
    view.ShowCloneMarker(p.x, p.y);
}

void CLdClone::TrackReference(CLodo40View& view, const QnPoint& p)
{
    if (reference_ && anchor_ == &view)
        reference_->MoveCloneMarker(p.x - anchorPoint_.x, p.y - anchorPoint_.y);
}

void CLdClone::ClearReference()
{
    if (reference_)
        reference_->HideCloneMarker();
    reference_ = nullptr;
    anchor_ = nullptr;
    accepted_ = false;
}

bool CLdClone::Accepted() const { return accepted_ && reference_ && view_ && anchor_ == view_; }

void CLdClone::BeginStroke(CLodo40View& view, const QnPoint& p)
{
    accepted_ = false;
    if (!reference_) {
        fw::MessageBox("Please select the reference point first.\nTo select, press Shift and click to the place "
                       "that you want to clone.",
                       fw::MB_OK | fw::MB_ICONINFORMATION);
        return;
    }
    // After the first stroke, the offset holds for its view only: a stroke
    // anywhere else paints nothing at all.
    if (anchor_ && anchor_ != &view)
        return;
    if (!anchor_) {
        anchor_ = &view;
        anchorPoint_ = p;
    }
    accepted_ = true;
    view_ = &view;
    last_ = p;
    CLodo40Doc* doc = view.GetDocument();
    if (doc)
        doc->CloneStroke(brush_, {p}, reference_->GetDocument(), anchorPoint_.x - referencePoint_.x,
                         anchorPoint_.y - referencePoint_.y, true, true);
    ShowNow(view_);
}

void CLdClone::ContinueStroke(const QnPoint& p)
{
    if (!Accepted())
        return;
    std::vector<QnPoint> points = CloneSegment(last_, p, brush_.size);
    std::reverse(points.begin(), points.end());
    if (CLodo40Doc* doc = view_->GetDocument())
        doc->CloneStroke(brush_, points, reference_->GetDocument(), anchorPoint_.x - referencePoint_.x,
                         anchorPoint_.y - referencePoint_.y, true, false);
    ShowNow(view_);
    last_ = p;
}

bool CLdClone::OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier) {
        SetReference(view, p);
        return false;
    }
    BeginStroke(view, p);
    return true;
}

void CLdClone::OnMouseMove(CLodo40View& view, const QnPoint& p, bool captured, Qt::KeyboardModifiers modifiers)
{
    if (captured || !(modifiers & Qt::ShiftModifier))
        TrackReference(view, p);
    if (captured)
        ContinueStroke(p);
}

void CLdClone::OnButtonUp(CLodo40View&, const QnPoint& p)
{
    EndStroke(p);
    accepted_ = false;
}

std::optional<QCursor> CLdClone::Cursor(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers modifiers)
{
    return QCursor(modifiers & Qt::ShiftModifier ? Qt::PointingHandCursor : Qt::CrossCursor);
}

// Fill ----------------------------------------------------------------------

void CLdFillTool::OnButtonUp(CLodo40View& view, const QnPoint& p)
{
    CLodo40Doc* doc = view.GetDocument();
    if (!doc)
        return;
    const QnPoint size = doc->GetPictureSize();
    if (p.x >= 0 && p.y >= 0 && p.x < size.x && p.y < size.y)
        doc->FillAt(fill_, p);
}

std::optional<QCursor> CLdFillTool::Cursor(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers)
{
    return QCursor(Qt::CrossCursor);
}
