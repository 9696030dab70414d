#include "render/XForm.h"

#include "render/RenderRcStr.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMaxNumber = std::numeric_limits<int32_t>::max();

// A floating-point numerator rounded half away from zero and kept inside
// the 32-bit range (NaN counts as 0).
QnWide RoundNumber(double v)
{
    if (std::isnan(v))
        return 0;
    return QnWide(std::round(std::clamp(v, -kMaxNumber, kMaxNumber)));
}

// The denominator the approximation starts from: about 65536 / m for the
// smaller magnitude m above 1, so that it keeps 16 bits after the point, and
// 65536 below. (Scaling by 1 / m below 1 would keep a single unit of the
// smaller number: 0.3 would become 1/3.)
double ApproximationDen(double m)
{
    if (m > 65536)
        return 1;
    if (m > 1)
        return std::trunc(65536 / m + 0.5);
    return 65536;
}

double Magnitude(double v)
{
    return std::isnan(v) ? 0 : std::fabs(v);
}

} // namespace

QnXForm::QnXForm(int32_t a, int32_t b, uint32_t den)
{
    if (den == 0)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "xform");
    assign(a, b, den);
}

QnXForm::QnXForm(int32_t x0, int32_t x1, int32_t y0, int32_t y1)
{
    if (x0 == x1)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "xform");
    const QnWide X0 = x0, X1 = x1, Y0 = y0, Y1 = y1;
    if (x1 > x0)
        assign(Y1 - Y0, X1 * Y0 - X0 * Y1, X1 - X0);
    else
        assign(Y0 - Y1, X0 * Y1 - X1 * Y0, X0 - X1);
}

void QnXForm::set_from_double(double slope, double offset)
{
    const double m = std::min(Magnitude(slope), Magnitude(offset));
    double den = ApproximationDen(m);
    // A large slope beside a small offset would push the numerators past
    // 32 bits; a smaller denominator keeps them in, down to 1, after which
    // the numerators stop at the ends of the range.
    const double peak = std::max(Magnitude(slope), Magnitude(offset));
    if (peak * den > kMaxNumber)
        den = std::max(1.0, std::floor(kMaxNumber / peak));
    assign(RoundNumber(slope * den), RoundNumber(offset * den), QnWide(den));
}

bool QnXForm::assign(QnWide a, QnWide b, QnWide den)
{
    const QnWide d = QnWideGcd(QnWideGcd(QnWideAbs(a), den), QnWideGcd(QnWideAbs(b), den));
    const QnWide ra = a / d, rb = b / d, rden = den / d;
    if (QnFitsInt32(ra) && QnFitsInt32(rb) && rden <= std::numeric_limits<uint32_t>::max()) {
        a_ = int32_t(ra);
        b_ = int32_t(rb);
        den_ = uint32_t(rden);
        return true;
    }
    set_from_double(double(a) / double(den), double(b) / double(den));
    return false;
}

double QnXForm::XForm(double x) const
{
    return (b_ + a_ * x) / den_;
}

double QnXForm::RevXForm(double y) const
{
    if (a_ == 0)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "xform");
    return (den_ * y - b_) / a_;
}

QnXForm::Fraction QnXForm::Image(QnWide twice) const
{
    return Fraction{a_ * twice + 2 * QnWide(b_), 2 * QnWide(den_)};
}

QnXForm::Fraction QnXForm::Preimage(QnWide twice) const
{
    if (a_ == 0)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "xform");
    const QnWide num = den_ * twice - 2 * QnWide(b_);
    const QnWide den = 2 * QnWide(a_);
    return den > 0 ? Fraction{num, den} : Fraction{-num, -den};
}

int32_t QnXForm::Round(Fraction (QnXForm::*map)(QnWide) const, int32_t x, int option) const
{
    if (option & QN_XF_NEAREST) {
        const Fraction f = (this->*map)(2 * QnWide(x));
        return QnSaturateInt32(QnFloorDiv(2 * f.num + f.den - 1, 2 * f.den));
    }
    // The pixel under the image of the centre of pixel x.
    const Fraction f = (this->*map)(2 * QnWide(x) + 1);
    return QnSaturateInt32(QnFloorDiv(f.num, f.den));
}

QnRange QnXForm::RoundRange(Fraction (QnXForm::*map)(QnWide) const, const QnRange& r, int option) const
{
    switch (option) {
    case QN_XF_NEAREST_ENDS:
        return QnRange{Round(map, r.start, QN_XF_NEAREST), Round(map, r.end, QN_XF_NEAREST)};
    case QN_XF_SORTED: {
        const int32_t s = Round(map, r.start, QN_XF_NEAREST);
        const int32_t e = Round(map, r.end, QN_XF_NEAREST);
        return QnRange{std::min(s, e), std::max(s, e)};
    }
    case 320: // the same covering as 384
    case QN_XF_COVER: {
        // Both images share one denominator, so their numerators order them.
        const Fraction s = (this->*map)(2 * QnWide(r.start));
        const Fraction e = (this->*map)(2 * QnWide(r.end));
        const QnWide low = std::min(s.num, e.num);
        const QnWide high = std::max(s.num, e.num);
        return QnRange{QnSaturateInt32(QnFloorDiv(low, s.den)), QnSaturateInt32(QnCeilDiv(high, s.den))};
    }
    default:
        return QnRange{Round(map, r.start, option), Round(map, r.end, option)};
    }
}

int32_t QnXForm::XForm(int32_t x, int option) const
{
    return Round(&QnXForm::Image, x, option);
}

int32_t QnXForm::RevXForm(int32_t y, int option) const
{
    return Round(&QnXForm::Preimage, y, option);
}

QnRange QnXForm::XForm(const QnRange& r, int option) const
{
    return RoundRange(&QnXForm::Image, r, option);
}

QnRange QnXForm::RevXForm(const QnRange& r, int option) const
{
    return RoundRange(&QnXForm::Preimage, r, option);
}

QnXForm QnXForm::operator*(const QnXForm& other) const
{
    QnXForm result;
    result.assign(QnWide(a_) * other.a_, QnWide(a_) * other.b_ + QnWide(b_) * other.den_,
                  QnWide(den_) * other.den_);
    return result;
}

QnXForm QnXForm::operator*(int32_t k) const
{
    QnXForm result;
    result.assign(QnWide(a_) * k, QnWide(b_) * k, den_);
    return result;
}

QnXForm QnXForm::operator/(int32_t k) const
{
    if (k == 0)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "xform");
    QnXForm result;
    if (k > 0)
        result.assign(a_, b_, QnWide(den_) * k);
    else
        result.assign(-QnWide(a_), -QnWide(b_), -(QnWide(den_) * k));
    return result;
}

QnXForm operator/(int32_t k, const QnXForm& m)
{
    // A map of slope 0 sends every x to one point and has no inverse.
    if (m.a_ == 0)
        QN_RENDER_RAISE(QN_RENDER_BAD_XFORM_FACTOR, "xform");
    const QnWide a = QnWide(m.den_) * k;
    const QnWide b = -QnWide(m.b_) * k;
    QnXForm result;
    if (m.a_ > 0)
        result.assign(a, b, m.a_);
    else
        result.assign(-a, -b, -QnWide(m.a_));
    return result;
}

int QnXForm::shift(int32_t s)
{
    return assign(a_, QnWide(b_) + s, den_);
}

int QnXForm::rev_shift(int32_t s)
{
    return assign(a_, QnWide(b_) - QnWide(a_) * s, den_);
}
