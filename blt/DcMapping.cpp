#include "blt/DcMapping.h"

#include "render/WideInt.h"

#include <algorithm>

namespace {

// floor(v * num / den + 1/2) + add, den != 0, stopping at the 32-bit ends.
int32_t MapAxis(int64_t v, int32_t num, int32_t den, int32_t add)
{
    QnWide n = QnWide(v) * num;
    QnWide d = den;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return QnSaturateInt32(QnFloorDiv(2 * n + d, 2 * d) + add);
}

// sign(e) * |num| / |den|, rounded as the mapping rounds and never 0: an
// extent that keeps its direction.
int32_t ScaledExtent(int32_t e, QnWide num, QnWide den)
{
    const int32_t sign = e < 0 ? -1 : 1;
    const QnWide n = sign * QnWideAbs(num);
    const QnWide d = QnWideAbs(den);
    const int32_t scaled = QnSaturateInt32(QnFloorDiv(2 * n + d, 2 * d));
    return scaled != 0 ? scaled : sign;
}

QnRect Sorted(const QnPoint& a, const QnPoint& b)
{
    return QnRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

int32_t DcMapping::SetMapMode(int32_t mode)
{
    if (mode != QN_MM_TEXT && mode != QN_MM_ISOTROPIC && mode != QN_MM_ANISOTROPIC)
        return 0;
    const int32_t previous = mode_;
    mode_ = mode;
    if (mode == QN_MM_TEXT) {
        windowExt_ = {1, 1};
        viewportExt_ = {1, 1};
    } else if (mode == QN_MM_ISOTROPIC) {
        FixIsotropic();
    }
    return previous;
}

QnPoint DcMapping::SetWindowOrg(const QnPoint& p)
{
    const QnPoint previous = windowOrg_;
    windowOrg_ = p;
    return previous;
}

QnPoint DcMapping::SetViewportOrg(const QnPoint& p)
{
    const QnPoint previous = viewportOrg_;
    viewportOrg_ = p;
    return previous;
}

bool DcMapping::SetWindowExt(const QnPoint& e)
{
    if (e.x == 0 || e.y == 0)
        return false;
    if (mode_ == QN_MM_TEXT)
        return true;
    windowExt_ = e;
    if (mode_ == QN_MM_ISOTROPIC)
        FixIsotropic();
    return true;
}

bool DcMapping::SetViewportExt(const QnPoint& e)
{
    if (e.x == 0 || e.y == 0)
        return false;
    if (mode_ == QN_MM_TEXT)
        return true;
    viewportExt_ = e;
    if (mode_ == QN_MM_ISOTROPIC)
        FixIsotropic();
    return true;
}

// The axis with more device pixels per logical unit gives way: its viewport
// extent becomes the other axis's scale times its window extent.
void DcMapping::FixIsotropic()
{
    const QnWide vx = viewportExt_.x, vy = viewportExt_.y;
    const QnWide wx = windowExt_.x, wy = windowExt_.y;
    if (QnWideAbs(vx * wy) > QnWideAbs(vy * wx))
        viewportExt_.x = ScaledExtent(viewportExt_.x, vy * wx, wy);
    else
        viewportExt_.y = ScaledExtent(viewportExt_.y, vx * wy, wx);
}

QnPoint DcMapping::LPtoDP(const QnPoint& p) const
{
    return QnPoint{MapAxis(int64_t(p.x) - windowOrg_.x, viewportExt_.x, windowExt_.x, viewportOrg_.x),
                   MapAxis(int64_t(p.y) - windowOrg_.y, viewportExt_.y, windowExt_.y, viewportOrg_.y)};
}

QnPoint DcMapping::DPtoLP(const QnPoint& p) const
{
    return QnPoint{MapAxis(int64_t(p.x) - viewportOrg_.x, windowExt_.x, viewportExt_.x, windowOrg_.x),
                   MapAxis(int64_t(p.y) - viewportOrg_.y, windowExt_.y, viewportExt_.y, windowOrg_.y)};
}

QnRect DcMapping::LPtoDP(const QnRect& r) const
{
    return Sorted(LPtoDP(QnPoint{r.left, r.top}), LPtoDP(QnPoint{r.right, r.bottom}));
}

QnRect DcMapping::DPtoLP(const QnRect& r) const
{
    return Sorted(DPtoLP(QnPoint{r.left, r.top}), DPtoLP(QnPoint{r.right, r.bottom}));
}
