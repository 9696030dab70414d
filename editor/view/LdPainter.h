// The stroke tools of the paint and clone view modes and the click of the
// fill mode. A stroke runs from button down to button up in one view; each
// mouse move hands the document the dab points since the last one, which
// it paints as one piece of a single undo step.
#pragma once

#include <QPointer>
#include <vector>

#include "editor/loadable/ToolParams.h"
#include "editor/view/Lodo40View.h"
#include "editor/view/ViewTool.h"

// The points from last to p a stroke lays dabs at, a quarter of the brush
// apart (at least one pixel): the painter's exclude last and end with p; the
// clone's start with last and stop short of p.
std::vector<QnPoint> PainterSegment(const QnPoint& last, const QnPoint& p, int32_t brushSize);
std::vector<QnPoint> CloneSegment(const QnPoint& last, const QnPoint& p, int32_t brushSize);

class CLdPainter : public CLdViewTool {
public:
    // brush: the application's brush, read at every hand-over.
    explicit CLdPainter(const CBrushParams& brush) : brush_(brush) {}

    void BeginStroke(CLodo40View& view, const QnPoint& p);
    void ContinueStroke(const QnPoint& p);
    void EndStroke(const QnPoint& p) { ContinueStroke(p); }

    // CLdViewTool
    bool OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;
    void OnMouseMove(CLodo40View& view, const QnPoint& p, bool captured, Qt::KeyboardModifiers) override;
    void OnButtonUp(CLodo40View& view, const QnPoint& p) override;
    std::optional<QCursor> Cursor(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;

private:
    const CBrushParams& brush_;
    QPointer<CLodo40View> view_;
    QnPoint last_;
};

class CLdClone : public CLdViewTool {
public:
    static constexpr int IDS_NO_REFERENCE = 63062;

    explicit CLdClone(const CBrushParams& brush) : brush_(brush) {}

    // Shift-click: the place to copy from, shown by a marker in its view.
    void SetReference(CLodo40View& view, const QnPoint& p);
    // Moves the marker along with the pointer while strokes go on in the
    // anchor view.
    void TrackReference(CLodo40View& view, const QnPoint& p);
    // Forgets reference and anchor (leaving the mode needs a new Shift-click).
    void ClearReference();
    void BeginStroke(CLodo40View& view, const QnPoint& p);
    void ContinueStroke(const QnPoint& p);
    void EndStroke(const QnPoint& p) { ContinueStroke(p); }
    bool HasReference() const { return !reference_.isNull(); }

    // CLdViewTool
    bool OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers modifiers) override;
    void OnMouseMove(CLodo40View& view, const QnPoint& p, bool captured, Qt::KeyboardModifiers modifiers) override;
    void OnButtonUp(CLodo40View& view, const QnPoint& p) override;
    std::optional<QCursor> Cursor(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers modifiers) override;

private:
    // A stroke in progress that was accepted (in the anchor view).
    bool Accepted() const;

    const CBrushParams& brush_;
    QPointer<CLodo40View> reference_;
    QnPoint referencePoint_;
    QPointer<CLodo40View> anchor_;
    QnPoint anchorPoint_;
    QPointer<CLodo40View> view_;
    QnPoint last_;
    bool accepted_ = false;
};

// Fill mode: a click inside the picture fills there.
class CLdFillTool : public CLdViewTool {
public:
    explicit CLdFillTool(const CFillParams& fill) : fill_(fill) {}
    bool OnButtonDown(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers) override { return true; }
    void OnButtonUp(CLodo40View& view, const QnPoint& p) override;
    std::optional<QCursor> Cursor(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;

private:
    const CFillParams& fill_;
};
