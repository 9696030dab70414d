// A pane of the album book: a rectangle of the view with the panes it owns.
// Laying out and painting run over the pane, then its children in order; a
// click and the hover test ask the children from the last to the first and
// the pane itself last, and the first non-empty answer (the rectangle to
// repaint) wins.
#pragma once

#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

class COvalbumView;
class QColor;
class QPainter;
class QString;

class CAlbumPane {
public:
    explicit CAlbumPane(COvalbumView& view) : view_(view) {}
    virtual ~CAlbumPane() = default;
    CAlbumPane(const CAlbumPane&) = delete;
    CAlbumPane& operator=(const CAlbumPane&) = delete;

    const QRect& Rect() const { return rect_; }
    COvalbumView& View() const { return view_; }

    void LayoutAll(const QRect& parent);
    void PaintAll(QPainter& painter, const QRect& clip);
    QRect Click(QPoint at);
    QRect HoverTest(QPoint at);

    virtual void MouseMove(QPoint) {}
    // The default hands the button-up to every child.
    virtual void ButtonUp(QPoint at);

protected:
    template <class Pane, class... Args>
    Pane* AddChild(Args&&... args)
    {
        children_.push_back(std::make_unique<Pane>(view_, std::forward<Args>(args)...));
        return static_cast<Pane*>(children_.back().get());
    }
    virtual void Layout(const QRect&) {}
    virtual void Paint(QPainter&, const QRect&) {}
    virtual QRect OwnClick(QPoint) { return {}; }
    virtual QRect OwnHover(QPoint) { return {}; }

    QRect rect_;

private:
    COvalbumView& view_;
    std::vector<std::unique_ptr<CAlbumPane>> children_;
};

// Drawing the book's panes share.
namespace albumbook {
// Text at a point (its top left) in black 2 pixels right and down, then in colour.
void DrawShadowText(QPainter& painter, QPoint at, const QString& text, const QColor& colour);
// Text centred in a rectangle, shadowed as above.
void DrawShadowTextIn(QPainter& painter, const QRect& box, const QString& text, const QColor& colour);
void DrawRaisedEdge(QPainter& painter, const QRect& rect);
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
// The paper tiled over rect, a raised edge around it, and ring holes every
// 3 ring heights down a line at holeX (their left edge).
void DrawPaperWithHoles(QPainter& painter, const QRect& rect, int holeX);
} // namespace albumbook
