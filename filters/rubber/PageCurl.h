// The rolled-up corner of Page curl: the curl's geometry for a work area,
// and every output value computed from the input at the same place by the
// region it falls in (the flat page, the shaded curled paper, the
// background where the paper was, the back of the curl), with the edges
// between regions smoothed from the neighbours. Each of the eight types
// rolls one corner along one side: its positions are mirrored (and, for
// the types that roll along the width, turned) into those of type 0, the
// top left corner rolled along the height.
#pragma once

#include <cstdint>

class PageCurl {
public:
    enum Region : int32_t { kFlat = 0, kCurled = 1, kBackground = 2, kBack = 3 };

    // The curl of strength (1..99) and type (0..7) over width x height.
    PageCurl(int32_t strength, int32_t type, int32_t width, int32_t height);

    // Strength and type as the dialog allows them.
    static int32_t StrengthOf(int32_t stored);
    static int32_t TypeOf(int32_t stored);
    // The shade of the curled paper at t (0..1 across the curl).
    static int32_t Shade(double t);

    // The region of (column, row) of the work area and its place t across
    // the curl.
    Region RegionAt(int32_t column, int32_t row, double* t) const;
    // One row of output values (planes bytes a pixel, width pixels) from
    // the rows above, at and below it (the area's edge rows repeat).
    void Row(int32_t row, const uint8_t* above, const uint8_t* at, const uint8_t* below, int32_t planes,
             const uint8_t* background, uint8_t* out) const;

    // The geometry of type 0 in the turned and mirrored positions.
    struct Geometry {
        int64_t side;      // S
        int64_t radius;    // r
        int64_t x1, y1, x2, y2;
        int64_t cx, cy;    // centre
        int64_t s1, s2;    // slopes in 1/1024
    };
    const Geometry& Shape() const { return g_; }

private:
    // The position as type 0 sees it.
    void Canonical(int32_t column, int32_t row, int64_t* u, int64_t* v) const;
    static int32_t ValueIn(Region region, double t, int32_t value, int32_t previous, int32_t background);

    int32_t type_;
    int32_t width_, height_;
    Geometry g_{};
};
