// An exact rational affine map of one axis, x -> (a*x + b) / den, used for
// all geometry between a picture and the screen so that a pixel lands in the
// same place on every path. Every result is computed exactly and reduced;
// when it no longer fits the 32-bit numbers the map falls back to a rational
// approximation of its floating-point value instead of failing. Rounded
// coordinates beyond the 32-bit range stop at its ends.
#pragma once

#include "render/Rect.h"
#include "render/WideInt.h"

#include <cstdint>

// Rounding options of the integer forms. For one value only bit 64 counts:
// set rounds the image to the nearest integer (halves down), clear takes the
// pixel that holds the image of the centre of the pixel. The range forms
// also know 192 (nearest ends, order kept), 256 (nearest ends, sorted) and
// 320 or 384 (covering: the smaller end rounded down, the larger up, sorted).
// Point and rectangle forms split their options per axis
// (QnXFormXY::ExtractOptions).
enum QnXFormOption {
    QN_XF_NEAREST = 64,
    QN_XF_CENTRE = 128,
    QN_XF_NEAREST_ENDS = 192,
    QN_XF_SORTED = 256,
    QN_XF_COVER = 384,
};

class QnXForm {
public:
    QnXForm() = default;
    // Raises "Bad transformation factor" for den 0.
    QnXForm(int32_t a, int32_t b, uint32_t den);
    QnXForm(double slope, double offset) { set_from_double(slope, offset); }
    // The map taking x0 to y0 and x1 to y1; x0 == x1 raises "Bad
    // transformation factor".
    QnXForm(int32_t x0, int32_t x1, int32_t y0, int32_t y1);

    // A rational approximation of x -> slope * x + offset: the denominator is
    // about 65536 / m for the smaller magnitude m above 1 and 65536 below,
    // made smaller where the larger number would not fit, and numerators
    // beyond the 32-bit range stop at its ends.
    void set_from_double(double slope, double offset);

    double geta() const { return double(a_) / den_; }
    double getb() const { return double(b_) / den_; }
    int32_t anum() const { return a_; }
    int32_t bnum() const { return b_; }
    uint32_t den() const { return den_; }

    double XForm(double x) const;
    // Raises "Bad transformation factor" when the slope is 0.
    double RevXForm(double y) const;
    int32_t XForm(int32_t x, int option) const;
    int32_t RevXForm(int32_t y, int option) const;
    QnRange XForm(const QnRange& r, int option) const;
    QnRange RevXForm(const QnRange& r, int option) const;

    // Composition: (*this * other)(x) = (*this)(other(x)).
    QnXForm operator*(const QnXForm& other) const;
    QnXForm& operator*=(const QnXForm& other) { return *this = *this * other; }
    QnXForm operator*(int32_t k) const;
    QnXForm& operator*=(int32_t k) { return *this = *this * k; }
    // Raises "Bad transformation factor" for k 0.
    QnXForm operator/(int32_t k) const;
    QnXForm& operator/=(int32_t k) { return *this = *this / k; }
    // k times the inverse map: 1 / m inverts m. Raises "Bad transformation
    // factor" when m's slope is 0.
    friend QnXForm operator/(int32_t k, const QnXForm& m);

    // Moves the image by s / den; 0 when the result had to be approximated.
    int shift(int32_t s);
    // Makes the map apply to x - s; 0 when the result had to be approximated.
    int rev_shift(int32_t s);

    bool operator==(const QnXForm&) const = default;

private:
    struct Fraction {
        QnWide num;
        QnWide den; // positive
    };

    // The exact map (a*x + b) / den, reduced; a rational approximation when
    // the reduced numbers do not fit. Returns false when it approximated.
    bool assign(QnWide a, QnWide b, QnWide den);
    // The image, respectively the preimage, of twice / 2.
    Fraction Image(QnWide twice) const;
    Fraction Preimage(QnWide twice) const;
    int32_t Round(Fraction (QnXForm::*map)(QnWide) const, int32_t x, int option) const;
    QnRange RoundRange(Fraction (QnXForm::*map)(QnWide) const, const QnRange& r, int option) const;

    int32_t a_ = 1;
    int32_t b_ = 0;
    uint32_t den_ = 1;
};
