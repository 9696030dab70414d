#include "tasks/sketch/CVSketch.h"

#include <cstdlib>

#include "framework/Archive.h"
#include "framework/MessageBox.h"
#include "tasks/sketch/CVShape.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/SketchArchive.h"
#include "tasks/sketch/SketchGeometry.h"

FW_IMPLEMENT_SERIAL(CVSketch, fw::CmdTarget, 1)

namespace {
int creationMode = CVSketch::kModeNone;
int dragHandle = CVSketch::kHandleNone;
}  // namespace

int CVSketch::GetCreationMode() { return creationMode; }

int CVSketch::SetCreationMode(int mode) { return std::exchange(creationMode, mode); }

int CVSketch::GetDragHandle() { return dragHandle; }

void CVSketch::SetDragHandle(int handle) { dragHandle = handle; }

CVSketch::~CVSketch() { RemoveAll(); }

void CVSketch::RemoveAll()
{
    selection_.clear();
    // From the head, as the shapes were put in front.
    while (!shapes_.empty())
        shapes_.erase(shapes_.begin());
}

CVShape* CVSketch::AddHead(std::unique_ptr<CVShape> shape)
{
    CVShape* s = shape.get();
    shapes_.insert(shapes_.begin(), std::move(shape));
    return s;
}

CVShape* CVSketch::AddShape(const QnPoint& from, const QnPoint& to)
{
    const int mode = creationMode;
    if (mode == kModeNone)
        return nullptr;
    if (mode < kModeNone || mode > kModeText) {
        fw::MessageBox("Don't support this mode", fw::MB_OK);
        return nullptr;
    }
    selection_.clear();
    std::unique_ptr<CVShape> shape;
    switch (mode) {
    case kModeCalendar: shape = std::make_unique<CVShape_Cal>(from, to); break;
    case kModeText: shape = std::make_unique<CVShape_Text>(from, to); break;
    default: shape = std::make_unique<CVShape_Line>(mode, from, to); break;
    }
    CVShape* s = AddHead(std::move(shape));
    selection_.push_back(s);
    return s;
}

void CVSketch::Draw(CVSketchDC* dc)
{
    for (auto it = shapes_.rbegin(); it != shapes_.rend(); ++it)
        (*it)->Draw(dc);
    if (dc->IsPrinting())
        return;
    const QnRect r = dc->Scale().ToDevice(GetSelectionRect());
    if (r.left != r.right || r.top != r.bottom)
        dc->DrawDragRect(r, kSelectionFrame);
}

QnRect CVSketch::SelectAt(const QnPoint& pt)
{
    selection_.clear();
    for (const auto& shape : shapes_) {
        if (shape->HitTest(pt)) {
            selection_.push_back(shape.get());
            break;
        }
    }
    return GetSelectionRect();
}

QnRect CVSketch::SelectInRect(const QnRect& r)
{
    for (const auto& shape : shapes_) {
        if (shape->IsInside(r)) {
            selection_.clear();
            selection_.push_back(shape.get());
        }
    }
    return GetSelectionRect();
}

QnRect CVSketch::GetSelectionRect() const
{
    return selection_.empty() ? QnRect{} : selection_.front()->GetBoundRect();
}

QnRect CVSketch::TakeSelectionRect()
{
    const QnRect r = GetSelectionRect();
    selection_.clear();
    return r;
}

CVShape* CVSketch::GetSelected() const { return selection_.empty() ? nullptr : selection_.front(); }

void CVSketch::Select(CVShape* s)
{
    selection_.clear();
    if (s)
        selection_.push_back(s);
}

int CVSketch::HitHandle(const QnPoint& pt) const
{
    if (creationMode == kModeRect || creationMode == kModeLine || creationMode == kModeText)
        return kHandleNone;
    const QnRect s = GetSelectionRect();
    if (!SketchPtInRect(s, pt))
        return kHandleNone;
    const bool left = std::abs(int64_t(pt.x) - s.left) < kHandleTolerance.x;
    const bool right = std::abs(int64_t(pt.x) - s.right) < kHandleTolerance.x;
    const bool top = std::abs(int64_t(pt.y) - s.top) < kHandleTolerance.y;
    const bool bottom = std::abs(int64_t(pt.y) - s.bottom) < kHandleTolerance.y;
    if (left && top)
        return kHandleTopLeft;
    if (right && top)
        return kHandleTopRight;
    if (right && bottom)
        return kHandleBottomRight;
    if (left && bottom)
        return kHandleBottomLeft;
    // The middle of an edge moves the shape: edges alone are never grabbed.
    if (left || top || right || bottom)
        return kHandleMove;
    return kHandleNone;
}

void CVSketch::DragSelection(const QnPoint& offset)
{
    const QnRect s = GetSelectionRect();
    QnRect r = s;
    switch (dragHandle) {
    case kHandleMove:
        r = QnRect{s.left + offset.x, s.top + offset.y, s.right + offset.x, s.bottom + offset.y};
        break;
    case kHandleTopLeft: r.top += offset.y; r.left += offset.x; break;
    case kHandleTop: r.top += offset.y; break;
    case kHandleTopRight: r.top += offset.y; r.right += offset.x; break;
    case kHandleRight: r.right += offset.x; break;
    case kHandleBottomRight: r.bottom += offset.y; r.right += offset.x; break;
    case kHandleBottom: r.bottom += offset.y; break;
    case kHandleBottomLeft: r.bottom += offset.y; r.left += offset.x; break;
    case kHandleLeft: r.left += offset.x; break;
    default: break;
    }
    for (CVShape* shape : selection_)
        shape->MapPoints(s, r);
}

void CVSketch::BringToFront(CVShape* s)
{
    for (auto it = shapes_.begin(); it != shapes_.end(); ++it) {
        if (it->get() == s) {
            std::unique_ptr<CVShape> shape = std::move(*it);
            shapes_.erase(it);
            shapes_.insert(shapes_.begin(), std::move(shape));
            return;
        }
    }
}

bool CVSketch::OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui)
{
    for (CVShape* shape : selection_)
        if (shape->OnCmdMsg(id, code, ui))
            return true;
    return fw::CmdTarget::OnCmdMsg(id, code, ui);
}

void CVSketch::Serialize(fw::Archive& ar)
{
    fw::CmdTarget::Serialize(ar);
    if (ar.IsStoring()) {
        SketchWriteList(ar, shapes_);
        return;
    }
    auto read = SketchReadList<CVShape>(ar);
    for (auto& shape : read)
        if (shape)
            shapes_.push_back(std::move(shape));
}
