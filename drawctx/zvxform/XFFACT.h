// A one-dimensional rational map, copied by value: the exact transform of
// the render library under the names the drawing library and the album use.
#pragma once

#include "render/XForm.h"

#include <cstdint>

class XFFACT {
public:
    // The identity.
    XFFACT() = default;
    // The map sending a1 to b1 and a2 to b2; (0, 1, 0, 1) is the identity.
    // Raises xfol_overflow when a1 == a2.
    XFFACT(int32_t a1, int32_t a2, int32_t b1, int32_t b2);
    explicit XFFACT(const QnXForm& map) : map_(map) {}

    const QnXForm& Map() const { return map_; }

    // Moves the map's image by offset; non-zero when it stayed exact.
    int shift(int32_t offset) { return map_.shift(offset); }

    // The whole-pixel offset d with this(x + d) == old(x) for every x, when
    // this map is old moved along its source axis; false otherwise. Raises
    // xfol_castoverflow when such an offset lies beyond 32 bits.
    bool IsShiftOf(const XFFACT& old, int32_t& d) const;

    // Composition: (a * b)(x) = a(b(x)).
    friend XFFACT operator*(const XFFACT& a, const XFFACT& b) { return XFFACT(a.map_ * b.map_); }
    bool operator==(const XFFACT&) const = default;

private:
    QnXForm map_;
};
