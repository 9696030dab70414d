// The selection tool of the select view mode. It keeps the working selection
// of the active picture in picture pixels, shapes it with the mouse
// (rectangle, ellipse, polygon, freehand, colour range, moving it), joins a
// new shape with the previous selection as the settings say, and shows it in
// the active view with a marching outline. The working selection is the
// document's only once the user confirms it: until then the document's own
// selection replaces it whenever the view is updated, so the next edit drops
// an unconfirmed selection.
#pragma once

#include <QPointer>
#include <vector>

#include "editor/loadable/SelectParams.h"
#include "editor/view/SelectionOutline.h"
#include "editor/view/ViewTool.h"
#include "editor/view/Lodo40View.h"
#include "render/Rgn.h"

class CLdSelector : public CLdViewTool {
public:
    // params: the application's selection settings, read at every gesture.
    explicit CLdSelector(CSelectParams& params);
    ~CLdSelector() override;

    // The active view, or null.
    void SetView(CLodo40View* view);
    CLodo40View* View() const { return view_; }
    // The view becomes the active one and its document's selection the
    // working selection (null: no view, nothing selected). The view calls
    // this at every update, which is how an edit drops an unconfirmed
    // selection.
    void Attach(CLodo40View* view);
    // A copy of region becomes the working selection.
    void SetSelection(const QnRgn& region);
    void ClearSelection();
    QnRgn GetSelection() const { return selection_; }
    // Carries out the pending whole-picture command of the settings
    // (0 all, 1 none, 2 invert) and resets it to none.
    void ApplyWholePictureCommand();
    // The view moves its content: the outline waits.
    void LockOutline(bool lock) { outline_.Hold(lock); }

    // The program's cursor resources of the shapes.
    static constexpr uint32_t kMoveCursor = 135;
    static constexpr uint32_t kEllipseCursor = 136;
    static constexpr uint32_t kRectangleCursor = 137;
    static constexpr uint32_t kColourRangeCursor = 138;
    static constexpr uint32_t kFreehandCursor = 139;

    SelectionOutline& Outline() { return outline_; }
    const std::vector<QnPoint>& Points() const { return points_; }

    // CLdViewTool
    bool OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;
    void OnMouseMove(CLodo40View& view, const QnPoint& p, bool captured, Qt::KeyboardModifiers) override;
    void OnButtonUp(CLodo40View& view, const QnPoint& p) override;
    void OnDoubleClick(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;
    std::optional<QCursor> Cursor(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;
    void PaintOverlay(CLodo40View& view, QPainter& painter) override;

private:
    static constexpr QnPoint kNoRubberBand{-100, -100};

    // The finished shape joined with the base becomes the selection.
    void Finish(const QnRgn& shape);
    // The window rectangle around the line from a to b (picture points).
    void RepaintLine(const QnPoint& a, const QnPoint& b);
    void RepaintAllLines();

    CSelectParams& params_;
    QPointer<CLodo40View> view_;
    QnRgn selection_;
    QnRgn base_;
    QnPoint anchor_;
    QnPoint rubberBand_ = kNoRubberBand;
    QnPoint dragOffset_;
    std::vector<QnPoint> points_;
    // The selection (or, during a drag that joins shapes, the base)
    // marching; the shape being dragged, inverted.
    SelectionOutline outline_;
    SelectionOutline rubberBandShape_;
};
