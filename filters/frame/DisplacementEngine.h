// The engine of the geometric filters: every output pixel is read from a
// displaced source position. The base walks the filter area row by row,
// asks the host for output and source bands, samples the source bilinearly
// in 1/16 pixel, paints the background where the source lies outside a
// whole-image filter, reports progress, honours abort, and goes on where it
// stopped when a host delivers bands by Continue. Filters override
// Displace (and, where they need to, the other operations).
#pragma once

#include "filters/frame/FilterEngine.h"
#include "filters/sdk/PIFilter.h"

#include <algorithm>
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

protected:
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

private:

    void PrepareRun();
    void EndRun();
    Rect OutputBand(int32_t row) const;
    Rect SourceBand(int32_t y, int32_t x) const;
    bool InSourceBand(int32_t y, int32_t x) const;
    void AskAllPlanes();
    // The host's answer to a band request: true to go on filtering.
    bool Advance(int32_t row, int32_t column);
    void Sample(int32_t column, int32_t row, int32_t srcX16, int32_t srcY16);

    Rect savedFilter_{};
    Rect savedFilter2_{};
    Rect outBand_{};
    Rect srcBand_{};
    // Weight(fx, fy) at [fy][fx], built when a host run starts.
    int32_t weights_[16][16] = {};
};
