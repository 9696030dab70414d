#include "render/RenderProgress.h"

#include "render/RenderRcStr.h"

#include <cstdlib>
#include <limits>

QnRenderProgress::QnRenderProgress(int32_t n) : outer_(n, 0, 1), composed_(outer_) {}

void QnRenderProgress::SetTotal(int32_t t)
{
    // An empty job has nothing to divide; it shows its start and its end.
    total_ = t < 1 ? 1 : t;
    correct_xf_curr();
}

void QnRenderProgress::SetCurrent(int32_t i)
{
    const int32_t position = composed_.XForm(i, QN_XF_NEAREST);
    if (position == lastShown_)
        return;
    lastShown_ = position;
    ShowPosition(position);
}

void QnRenderProgress::correct_xf_curr() { composed_ = outer_ * QnXForm(1, 0, uint32_t(total_)); }

QnRenderProgress::Scale::Scale(QnRenderProgress* p, int64_t a, int64_t b, int64_t c) : p_(p)
{
    if (!p_)
        return;
    if (c <= 0)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "render");
    // Counts of pixels can pass 32 bits; a progress range needs no such
    // precision, so all three shrink alike until they fit.
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max() / 2;
    while (std::llabs(a) > kMax || std::llabs(b) > kMax || c > kMax) {
        a /= 2;
        b /= 2;
        c = (c + 1) / 2;
    }
    savedOuter_ = p_->outer_;
    savedTotal_ = p_->total_;
    p_->outer_ *= QnXForm(int32_t(b - a), int32_t(a), uint32_t(c));
    p_->correct_xf_curr();
}

QnRenderProgress::Scale::~Scale()
{
    if (!p_)
        return;
    p_->outer_ = savedOuter_;
    p_->total_ = savedTotal_;
    p_->correct_xf_curr();
}
