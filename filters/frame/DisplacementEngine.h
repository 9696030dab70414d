// The engine of the geometric filters: every output pixel is read from a
// displaced source position. The base walks the filter area row by row,
// asks the host for output and source bands (one source band per output
// band when the filter names the rows its sources lie in, BandPlan.h),
// samples the source bilinearly
// in 1/16 pixel, paints the background where the source lies outside a
// whole-image filter, reports progress, honours abort, and goes on where it
// stopped when a host delivers bands by Continue. Filters override
// Displace (and, where they need to, the other operations).
#pragma once

#include "filters/frame/BandPlan.h"
#include "filters/frame/FilterEngine.h"
#include "filters/sdk/PIFilter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

class DisplacementEngine : public FilterEngine {
public:
    explicit DisplacementEngine(FilterRecord* record);

    // The source of output position (x16, y16), all in 1/16 pixel relative
    // to the work area. *srcX16 and *srcY16 come in as the position itself;
    // the base leaves them so.
    virtual void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16);
    // Prepares the filter's tables; false when memory runs out.
    virtual bool Begin();
    virtual void End();
    // The rows of the work area that the sources of output rows first..
    // last (of the work area) can lie in, once Begin has run; sources
    // outside the work area are never read and need not count. False when
    // the filter cannot say (the base). Knowing them lets the host run ask
    // for one source band per output band (BandPlan.h).
    virtual bool SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const;
    // One row on the host; false when the run must return to the host.
    virtual bool HostRow(int32_t row);
    virtual void PreviewRow(int32_t row, PreviewTile& tile);
    void RunOnHost() override;
    void RunOnPreview(PreviewTile& tile) override;
    // The area Begin prepares for, as the runs set it before they begin.
    void SetWorkSize(int32_t width, int32_t height)
    {
        workWidth_ = width;
        workHeight_ = height;
    }

    // The weight of the far corner of a sample at fractions (fx, fy), in
    // 1/256: min(256, fx * fy * 256 / 225).
    static int32_t Weight(int32_t fx, int32_t fy) { return std::min(256, fx * fy * 256 / 225); }
    // first..last widened by reach rows each way.
    static bool RowsWithin(int32_t first, int32_t last, int32_t reach, int32_t* top, int32_t* bottom);
    // The rows of sources at c16 + (y16 - c16) q for q in qLow..qHigh (both
    // 0 or more), give or take slack16 (all in 1/16 pixel): a move towards
    // or away from the row c16.
    static bool RowsScaled(int32_t first, int32_t last, double c16, double qLow, double qHigh, double slack16,
                           int32_t* top, int32_t* bottom);
    // The rows a source can lie from its output row when sources move by
    // at most sixteenths (1/16 pixel) up or down, held to height.
    static int32_t ReachRows(double sixteenths, int32_t height)
    {
        const double rows = std::ceil(std::abs(sixteenths) / 16);
        return rows < height ? int32_t(rows) : std::max(0, height);
    }

protected:
    // Ends the host run for want of memory; false, for HostRow to return.
    bool FailForMemory();

    FilterRecord* record_;
    int32_t workWidth_ = 0;
    int32_t workHeight_ = 0;
    bool wholeImage_ = false;
    int32_t resumeColumn_ = 0;
    int32_t resumeRow_ = 0;
    bool begun_ = false;
    bool started_ = false;
    int32_t imageWidth_ = 0;
    int32_t imageHeight_ = 0;
    int32_t bandHeight_ = 1;
    BandPlan bands_;

    // The steps of a host run, for filters that walk the area their own
    // way: the first call's preparation (the saved filter rectangle, all
    // planes), its end (the rectangles back to the filter's, End), all
    // planes asked for, and the host's answer to a request: true to go on,
    // false when the run returned (a deferred band resumes at row and
    // column; an error ended the run).
    void PrepareRun();
    // The work area's size from the record; false, with empty rectangles
    // for the host, when there is nothing to filter.
    bool MeasureWork();
    void EndRun();
    void AskAllPlanes();
    bool Advance(int32_t row, int32_t column);
    const Rect& SavedFilter() const { return savedFilter_; }

private:
    // The first bands of a run, asked for once the filter has begun.
    bool AskFirstBands();
    Rect SourceBand(int32_t y, int32_t x) const;
    bool InSourceBand(int32_t y, int32_t x) const;
    void Sample(int32_t column, int32_t row, int32_t srcX16, int32_t srcY16);

    // The source of the resume column, when the run returned to the host
    // for its band.
    bool pending_ = false;
    // How far sources lay from their rows so far in the host run.
    BandPlan::Seen seen_{};
    int32_t pendingX16_ = 0;
    int32_t pendingY16_ = 0;
    Rect savedFilter_{};
    Rect savedFilter2_{};
    Rect outBand_{};
    Rect srcBand_{};
    // Weight(fx, fy) at [fy][fx], built when a host run starts.
    int32_t weights_[16][16] = {};
};
