// The interactive tool of a view mode (text, paint, clone, select, fill), as
// the picture view hands it the mouse: the view converts every point to
// picture coordinates and keeps the mouse captured between button down and
// up as the tool asks. The application tells the view which tool serves the
// current mode; a mode without a tool leaves the mouse alone.
#pragma once

#include <QCursor>
#include <Qt>
#include <optional>

#include "render/Rect.h"

class CLodo40View;
class QPainter;

class CLdViewTool {
public:
    virtual ~CLdViewTool() = default;
    // True: the view keeps the capture until the button goes up.
    virtual bool OnButtonDown(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers) { return false; }
    // captured: the button went down in this view and the tool kept it.
    virtual void OnMouseMove(CLodo40View&, const QnPoint&, bool /*captured*/, Qt::KeyboardModifiers) {}
    // Only while captured.
    virtual void OnButtonUp(CLodo40View&, const QnPoint&) {}
    virtual void OnDoubleClick(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers) {}
    // The cursor over the picture point, or nothing for the default.
    virtual std::optional<QCursor> Cursor(CLodo40View&, const QnPoint&, Qt::KeyboardModifiers) { return std::nullopt; }
    // Drawn over the picture once its last tile is painted.
    virtual void PaintOverlay(CLodo40View&, QPainter&) {}
};

// What the view asks of the application: the current tool, the lock the
// selection outline holds while it draws, and the view mode.
class CLdViewHost {
public:
    virtual ~CLdViewHost() = default;
    virtual int ViewMode() = 0;
    // The tool of the current mode, or null.
    virtual CLdViewTool* CurrentTool() = 0;
    // Held while the view moves its content, so that nothing draws over
    // the window meanwhile.
    virtual void LockOutline(bool lock) = 0;
    // The view of the active child frame is this one now; it and its
    // document's selection go to the selection tool.
    virtual void ViewActivated(CLodo40View* view) = 0;
};

void LdSetViewHost(CLdViewHost* host);
// Null until the application sets one.
CLdViewHost* LdViewHost();
