// A preview of a function of one picture: a reduced copy of the picture,
// fitted into the control with its aspect kept, and the function applied to
// that copy. The copy is made at the first paint and kept; the function's
// result is kept until the function or the show-effect switch changes.
#pragma once

#include "blt/Blt.h"
#include "lang/Expr.h"
#include "render/RenderObj.h"
#include "render/XFormXY.h"

#include <QFrame>
#include <cstdint>

class ScaledPreviewControl : public QFrame {
public:
    static constexpr uint32_t IDC_PREVIEW = 1028;
    // The control's size in the dialogs, frame included.
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 160;

    ScaledPreviewControl(const PpQnRenderObj& picture, bool showEffect, QWidget* parent = nullptr);

    // function: an expression that takes one picture.
    void SetExpression(const PpQnExpr& function);
    void ShowEffect(bool showEffect);
    // The map from the picture given at construction onto its fitted size
    // at (0, 0); the identity without a picture.
    void GetFitTransform(QnXFormXY& out) const;

    // picture fitted into client with its aspect kept and centred.
    static QnRect FitRect(const QnRect& picture, const QnRect& client);

    bool ShowsEffect() const { return showEffect_; }
    const PpQnExpr& Expression() const { return function_; }
    // What the last paint drew from: the reduced copy, or the function's
    // result on it (kept until the next change).
    bool HasReducedCopy() const { return reduced_ != 0; }
    const PpQnRenderObj& CachedResult() const { return result_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QnRect Client() const;
    void MakeReducedCopy();
    // The function applied to the reduced copy, evaluated once.
    PpQnRenderObj Result();
    // After a change of function or switch: everything is drawn anew.
    void Refresh();

    PpQnRenderObj picture_;
    QnRect pictureRect_;
    PpQnExpr function_;
    bool showEffect_;
    int reduced_ = 0;
    PpQnRenderObj result_;
    QnBlt blt_{QnBlt::kDefaultTile, QnBlt::kDefaultTile};
};
