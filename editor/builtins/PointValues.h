// Points and point lists as values: the start point and the points of a
// brush or clone stroke segment. Equal points share; a point list is unique,
// since two strokes through the same points are still two edits.
#pragma once

#include <vector>

#include "lang/FlVal.h"
#include "render/Rect.h"

class FlPoint : public QnFlVal {
public:
    const QnPoint& Point() const { return point_; }
    // x, then y.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit FlPoint(const QnPoint& point) : QnFlVal(0), point_(point) {}

private:
    QnPoint point_;
};

class FlPointArray : public QnFlVal {
public:
    const std::vector<QnPoint>& Points() const { return points_; }

protected:
    friend struct ::QnObjCreator;
    explicit FlPointArray(const std::vector<QnPoint>& points);

private:
    std::vector<QnPoint> points_;
};

using PpFlPoint = QnPp<FlPoint>;
using PpFlPointArray = QnPp<FlPointArray>;
PpFlPoint MakeFlPoint(const QnPoint& point);
PpFlPointArray MakeFlPointArray(const std::vector<QnPoint>& points);
