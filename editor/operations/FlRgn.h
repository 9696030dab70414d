// A selection region as a value of the expression language. Two region
// values are equal only when they are the same value: every selection the
// document makes is a value of its own.
#pragma once

#include "lang/Expr.h"
#include "lang/FlVal.h"
#include "render/Rgn.h"

class FlRgn : public QnFlVal {
public:
    const QnRgn& Region() const { return region_; }
    // By identity, in a total order that cannot overflow.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit FlRgn(const QnRgn& region) : QnFlVal(0), region_(region) {}

private:
    QnRgn region_;
};

using PpFlRgn = QnPp<FlRgn>;

// A new region value holding a copy of region, as a value expression.
PpQnExpr MakeRgnValueExpr(const QnRgn& region);
