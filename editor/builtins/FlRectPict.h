// The answer of a tool or effect built-in: the new picture and the part of
// it that changed (or a flag saying the whole picture may have changed).
// MakeFromRectPictExpr turns such an answer back into the picture itself,
// which is what the document keeps as its state.
#pragma once

#include "lang/Expr.h"
#include "lang/FlVal.h"
#include "picture/Picture.h"
#include "render/Rect.h"

class FlRectPict : public QnFlVal {
public:
    PpQnPicture Picture() const { return PpQnPicture(picture_); }
    bool IsWhole() const { return whole_ != 0; }
    // Meaningful only when the answer is not whole.
    const QnRect& Rect() const { return rect_; }
    // The changed rectangle, or null for the whole picture.
    const QnRect* Changed() const { return whole_ ? nullptr : &rect_; }

protected:
    friend struct ::QnObjCreator;
    // changed null: the whole picture. Answers are unique values: two tool
    // answers are never one node, whatever they hold.
    FlRectPict(const PpQnPicture& picture, const QnRect* changed);
    void MarkFixedObjects(Visitor visit) override;

private:
    QnPicture* picture_;
    int32_t whole_;
    QnRect rect_;
};

using PpFlRectPict = QnPp<FlRectPict>;
PpFlRectPict MakeFlRectPict(const PpQnPicture& picture, const QnRect* changed);

// The picture that e's FlRectPict answer carries.
PpQnExpr MakeFromRectPictExpr(const PpQnExpr& e);
// The built-in behind it (arity 1).
PpQnExpr FromRectPictFunction(QnMachineContext& m, int n, QnEvalControl* control);
// A value that must be an FlRectPict; another raises QnCastExcept naming
// file and line.
PpFlRectPict CheckedCastFlRectPict(const PpQnFlVal& value, const char* file, int line);
