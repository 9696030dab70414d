// How the host run of a displacement filter cuts the filter area into the
// bands it asks the host for. A filter that cannot say where its sources
// lie gets output bands of a third of what the host may hold at once
// (maxSpace) and source bands that follow the sources as they come, which
// a filter that moves pixels far makes the host send again and again. A
// filter that can say which rows the sources of some output rows lie in
// gets, for every output band, the one source band that holds them all:
// each output band is made as tall as fits beside its source band within
// maxSpace, so a source row is sent once for every output band whose
// sources reach it, however the filter moves pixels inside those rows.
#pragma once

#include "filters/sdk/PIFilter.h"

#include <cstdint>
#include <functional>

// How far sources were seen to lie above and below their output rows so
// far in a run. A band whose named sources do not fit beside it is planned
// by these instead, with a margin, and grows with them.
struct BandSeen {
    int32_t up = 0;
    int32_t down = 0;
};

class BandPlan {
public:
    // The rows (of the work area, inclusive) that the sources of output
    // rows first..last (of the work area) can lie in; false when unknown.
    using SourceRowsOf = std::function<bool(int32_t first, int32_t last, int32_t& top, int32_t& bottom)>;

    using Seen = BandSeen;
    static constexpr int32_t kSeenMargin = 8;

    BandPlan() = default;
    // oneBand: the whole filter area in one band (a host that delivers it
    // all at once). rows may be empty: nothing is known of the sources.
    BandPlan(const Rect& filter, int32_t imageWidth, int32_t imageHeight, int32_t planes, int32_t maxSpace,
             bool oneBand, SourceRowsOf rows);

    // True when source bands hold the sources of whole output bands.
    bool KnowsSources() const { return known_; }
    // The height of every output band when the sources are not known.
    int32_t OutputRows() const { return outputRows_; }

    // The output band from absolute row on.
    Rect OutputBand(int32_t row, const Seen& seen = {}) const;
    // The source band that holds the sources of output, and the row after
    // each, which sampling reads (sources known); when the host cannot
    // hold them beside the output band, the rows around it where sources
    // were seen, as many as fit.
    Rect SourceBandOf(const Rect& output, const Seen& seen = {}) const;
    // True when the host may hold source beside output (maxSpace).
    bool Affords(const Rect& source, const Rect& output) const;
    // A source band for output that holds a source row its band lacked
    // (seen already counting it), and the row after it.
    Rect SourceBandAround(int32_t row, const Rect& output, const Seen& seen = {}) const;

private:
    // Absolute source rows [top, bottom) of output rows [first, last].
    void NeededRows(int32_t first, int32_t last, int64_t& top, int64_t& bottom) const;
    // The most source rows that fit beside an output band of rows.
    int64_t SourceRoom(int64_t rows) const;
    bool Fits(int32_t first, int32_t rows) const;

    Rect filter_{};
    SourceRowsOf rows_;
    bool known_ = false;
    bool oneBand_ = false;
    int32_t outputRows_ = 1;
    int64_t space_ = 0;
    int64_t outRowBytes_ = 1;
    int64_t inRowBytes_ = 1;
    // Sources lie in the filter area; sampling reads the row and column
    // after each too: rows [top, sourceBottom_), columns [left, sourceRight_).
    int32_t sourceBottom_ = 0;
    int32_t sourceRight_ = 0;
};
