#include "tasks/sketch/CVScale.h"

namespace {

// A zero ratio term would divide by zero (a zoom of 0 percent); it counts
// as 1, the way the sketch treats a degenerate frame.
int64_t Divisor(int32_t d) { return d == 0 ? 1 : d; }

// The products are taken in 64 bits so that a large coordinate at a large
// zoom does not wrap before the division.
int32_t Round(int32_t v, int32_t num, int32_t den)
{
    return static_cast<int32_t>((int64_t(v) * num + den / 2) / Divisor(den));
}

int32_t Back(int32_t v, int32_t den, int32_t num)
{
    return static_cast<int32_t>(int64_t(v) * den / Divisor(num));
}

}  // namespace

void CVScale::Init(int32_t n)
{
    originX = 0;
    originY = 0;
    xDen = 100;
    xNum = n;
    yDen = 100;
    yNum = n;
}

QnPoint CVScale::ToDevice(const QnPoint& p) const
{
    return QnPoint{Round(p.x, xNum, xDen), Round(p.y, yNum, yDen)};
}

QnRect CVScale::ToDevice(const QnRect& r) const
{
    const QnPoint a = ToDevice(QnPoint{r.left, r.top});
    const QnPoint b = ToDevice(QnPoint{r.right, r.bottom});
    return QnRect{a.x, a.y, b.x, b.y};
}

int32_t CVScale::LengthToDevice(int32_t l) const { return Round(l, xNum, xDen); }

QnPoint CVScale::ToSketch(const QnPoint& p) const
{
    return QnPoint{Back(p.x, xDen, xNum), Back(p.y, yDen, yNum)};
}

QnRect CVScale::ToSketch(const QnRect& r) const
{
    const QnPoint a = ToSketch(QnPoint{r.left, r.top});
    const QnPoint b = ToSketch(QnPoint{r.right, r.bottom});
    return QnRect{a.x, a.y, b.x, b.y};
}

int32_t CVScale::LengthToSketch(int32_t l) const { return Back(l, xDen, xNum); }
