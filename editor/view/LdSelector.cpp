#include "editor/view/LdSelector.h"

#include <QPainter>
#include <algorithm>

#include "editor/document/Lodo40Doc.h"
#include "editor/operations/RgnFinder.h"
#include "editor/ui/ProgramCursor.h"
#include "editor/view/SelectionShapes.h"
#include "render/RgnShapes.h"

namespace {

QnRgn Shifted(const QnRgn& region, int32_t dx, int32_t dy)
{
    std::vector<QnRect> rects(region.rects().begin(), region.rects().end());
    for (QnRect& r : rects)
        r = QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    return QnRgn::FromDisjointRects(std::move(rects));
}

QnRgn DraggedShape(int32_t mode, const QnRect& r)
{
    return mode == kSelectEllipse ? QnEllipseRgn(r) : QnRgn(r);
}

}  // namespace

CLdSelector::CLdSelector(CSelectParams& params) : params_(params) {}

CLdSelector::~CLdSelector() = default;

void CLdSelector::SetView(CLodo40View* view)
{
    view_ = view;
    outline_.Show(view, selection_, dragOffset_);
    rubberBandShape_.Show(nullptr, QnRgn(), {});
}

void CLdSelector::SetSelection(const QnRgn& region)
{
    selection_ = region;
    outline_.Show(view_, selection_, dragOffset_);
}

void CLdSelector::ClearSelection()
{
    SetSelection(QnRgn());
}

void CLdSelector::Attach(CLodo40View* view)
{
    CLodo40Doc* doc = view ? view->GetDocument() : nullptr;
    SetView(doc ? view : nullptr);
    SetSelection(doc ? doc->GetSelection() : QnRgn());
    outline_.SetAnimated(true);
}

void CLdSelector::ApplyWholePictureCommand()
{
    const int32_t command = params_.editorState;
    params_.editorState = -1;
    if (command < 0 || command > 2)
        return;
    const CLodo40Doc* doc = view_ ? view_->GetDocument() : nullptr;
    const QnPoint size = doc ? doc->GetPictureSize() : QnPoint{};
    selection_ = WholePictureSelection(WholePictureCommand(command), selection_, size);
    base_ = selection_;
    outline_.Show(view_, selection_, dragOffset_);
    outline_.SetAnimated(true);
}

// Gestures --------------------------------------------------------------------

bool CLdSelector::OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers)
{
    const int32_t mode = params_.mode;
    if (mode < kSelectRectangle || mode > kSelectMove)
        return false;
    if (view_ != &view)
        SetView(&view);
    anchor_ = p;
    if (mode != kSelectPolygon) {
        RepaintAllLines();
        points_.clear();
        if (mode != kSelectMove) {
            if (params_.combine != 0)
                base_ = selection_;
            else
                selection_ = QnRgn();
        }
    } else if (!points_.empty()) {
        rubberBand_ = p;
    } else {
        base_ = selection_;
    }
    points_.push_back(p);
    outline_.Show(view_, selection_, dragOffset_);
    outline_.SetAnimated(mode != kSelectPolygon);
    return true;
}

void CLdSelector::OnMouseMove(CLodo40View& view, const QnPoint& p, bool captured, Qt::KeyboardModifiers)
{
    const int32_t mode = params_.mode;
    if (mode < kSelectRectangle || mode > kSelectMove || &view != view_)
        return;
    // Without the button held only an open polygon follows the pointer.
    if (!captured && (mode != kSelectPolygon || points_.empty()))
        return;
    switch (mode) {
    case kSelectRectangle:
    case kSelectEllipse:
        selection_ = DraggedShape(mode, SelectShapeRect(anchor_, p, params_));
        outline_.Show(view_, base_, {});
        outline_.SetAnimated(true);
        rubberBandShape_.Show(view_, selection_, {});
        break;
    case kSelectPolygon:
        if (rubberBand_ != kNoRubberBand)
            RepaintLine(points_.back(), rubberBand_);
        rubberBand_ = p;
        RepaintLine(points_.back(), rubberBand_);
        break;
    case kSelectFreehand:
        points_.push_back(p);
        if (points_.size() > 2)
            RepaintLine(points_[points_.size() - 2], p);
        break;
    case kSelectColourRange:
        break;
    case kSelectMove:
        dragOffset_ = QnPoint{p.x - anchor_.x, p.y - anchor_.y};
        outline_.Show(view_, selection_, dragOffset_);
        outline_.SetAnimated(true);
        break;
    }
}

void CLdSelector::OnButtonUp(CLodo40View& view, const QnPoint& p)
{
    const int32_t mode = params_.mode;
    if (mode < kSelectRectangle || mode > kSelectMove || &view != view_)
        return;
    switch (mode) {
    case kSelectRectangle:
    case kSelectEllipse:
        points_.clear();
        Finish(DraggedShape(mode, SelectShapeRect(anchor_, p, params_)));
        break;
    case kSelectPolygon:
        break;  // a double-click closes it
    case kSelectFreehand:
        if (points_.size() > 2) {
            RepaintAllLines();
            Finish(QnPolygonRgn(points_, QnPolyFill::Winding));
            points_.clear();
        }
        break;
    case kSelectColourRange: {
        points_.clear();
        CLodo40Doc* doc = view.GetDocument();
        // A click beside the picture selects nothing new.
        if (!doc || !view.GetPictureRect().Contains(p)) {
            base_ = QnRgn();
            outline_.Show(view_, selection_, {});
            outline_.SetAnimated(true);
            break;
        }
        Finish(ColourRangeSelection(doc->RenderToDib(), p, doc->GetPixelColor(p), params_.tolerance));
        break;
    }
    case kSelectMove:
        selection_ = Shifted(selection_, p.x - anchor_.x, p.y - anchor_.y);
        dragOffset_ = QnPoint{};
        outline_.Show(view_, selection_, dragOffset_);
        outline_.SetAnimated(true);
        break;
    }
}

void CLdSelector::OnDoubleClick(CLodo40View& view, const QnPoint&, Qt::KeyboardModifiers)
{
    if (params_.mode != kSelectPolygon || points_.size() < 3 || &view != view_)
        return;
    RepaintAllLines();
    Finish(QnPolygonRgn(points_, QnPolyFill::Winding));
    points_.clear();
    rubberBand_ = kNoRubberBand;
}

void CLdSelector::Finish(const QnRgn& shape)
{
    selection_ = CombineSelection(base_, shape, params_.combine);
    base_ = QnRgn();
    rubberBandShape_.Show(nullptr, QnRgn(), {});
    outline_.Show(view_, selection_, {});
    outline_.SetAnimated(true);
}

// Feedback --------------------------------------------------------------------

void CLdSelector::RepaintLine(const QnPoint& a, const QnPoint& b)
{
    if (!view_)
        return;
    const QnPoint ca = view_->PictureToClient(a), cb = view_->PictureToClient(b);
    const QRect r(QPoint(std::min(ca.x, cb.x) - 2, std::min(ca.y, cb.y) - 2),
                  QPoint(std::max(ca.x, cb.x) + 2, std::max(ca.y, cb.y) + 2));
    view_->viewport()->update(r);
}

void CLdSelector::RepaintAllLines()
{
    for (size_t i = 1; i < points_.size(); ++i)
        RepaintLine(points_[i - 1], points_[i]);
    if (!points_.empty() && rubberBand_ != kNoRubberBand)
        RepaintLine(points_.back(), rubberBand_);
}

std::optional<QCursor> CLdSelector::Cursor(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers)
{
    // The program's cursor of each shape; a standard one of the same sense
    // where the program lacks it. The polygon keeps whatever is shown.
    struct ShapeCursor {
        int mode;
        uint32_t id;
        Qt::CursorShape fallback;
    };
    static constexpr ShapeCursor kCursors[] = {
        {kSelectRectangle, kRectangleCursor, Qt::CrossCursor},
        {kSelectEllipse, kEllipseCursor, Qt::CrossCursor},
        {kSelectFreehand, kFreehandCursor, Qt::CrossCursor},
        {kSelectColourRange, kColourRangeCursor, Qt::PointingHandCursor},
        {kSelectMove, kMoveCursor, Qt::SizeAllCursor},
    };
    for (const ShapeCursor& c : kCursors)
        if (c.mode == params_.mode)
            return LdProgramCursor(c.id, c.fallback);
    return std::nullopt;
}

void CLdSelector::PaintOverlay(CLodo40View& view, QPainter& painter)
{
    outline_.Paint(view, painter);
    rubberBandShape_.Paint(view, painter);
    if (&view != view_ || (points_.size() < 2 && rubberBand_ == kNoRubberBand))
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    const auto client = [&](const QnPoint& p) {
        const QnPoint c = view.PictureToClient(p);
        return QPoint(c.x, c.y);
    };
    // A freehand trace starts at its second point.
    const size_t first = params_.mode == kSelectFreehand ? 2 : 1;
    for (size_t i = first; i < points_.size(); ++i)
        painter.drawLine(client(points_[i - 1]), client(points_[i]));
    if (params_.mode == kSelectPolygon && !points_.empty() && rubberBand_ != kNoRubberBand)
        painter.drawLine(client(points_.back()), client(rubberBand_));
    painter.restore();
}
