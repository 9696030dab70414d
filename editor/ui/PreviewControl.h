// The preview of an options dialog: the picture at full size, centred when
// it fits and scrolled by dragging when it does not, shown through the
// dialog's effect when one is set and switched on. The effect is a
// one-argument function of the expression language; it is applied to the
// visible part only, cut out of the picture by PreviewFunction, and never
// while the user drags.
#pragma once

#include "lang/Expr.h"
#include "render/Rect.h"
#include "render/RenderObj.h"

#include <QWidget>
#include <cstdint>

class QPainter;
class QnRgn;

class PreviewControl : public QWidget {
public:
    static constexpr uint32_t IDC_PREVIEW = 1028;
    // Cursor resources: over a picture that can be dragged, and while it is.
    static constexpr uint32_t kScrollCursor = 130;
    static constexpr uint32_t kDragCursor = 131;

    PreviewControl(const PpQnRenderObj& picture, bool showEffect, QWidget* parent = nullptr);

    // Setting the effect or the switch repaints the whole control.
    void SetEffect(const PpQnExpr& effect);
    void EnablePreview(bool showEffect);

    const PpQnExpr& Effect() const { return effect_; }
    bool ShowsEffect() const { return showEffect_; }
    // The last expression the effect paint evaluated (empty before one).
    const PpQnExpr& LastResult() const { return lastResult_; }
    bool Dragging() const { return dragging_; }
    // Whether the picture is wider or taller than the control.
    bool CanScroll() const;
    // Where the picture's top-left corner is drawn, clamped to the control.
    QnPoint Offset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The offset as last set; centred the first time it is asked for.
    QnPoint GetOffset();
    QnPoint ClampOffset(QnPoint p) const;
    void SetOffset(QnPoint p);
    void ShowCursor();
    void PaintPlain(QPainter& painter, const QnRgn& update, QnPoint at);
    void PaintEffect(QPainter& painter, const QnRgn& update, QnPoint at);
    void Draw(QPainter& painter, const QnRgn& update, const PpQnRenderObj& obj, QnPoint at);

    PpQnRenderObj picture_;
    PpQnExpr effect_;
    bool showEffect_;
    PpQnExpr lastResult_;
    int32_t pictureWidth_ = 0;
    int32_t pictureHeight_ = 0;
    bool offsetSet_ = false;
    QnPoint offset_{};
    bool dragging_ = false;
    QnPoint dragAnchor_{};
};
