// The engine base of the art filters: the filter area is filtered row by
// row, one host request per row, and the last few rows are kept in a ring
// so that a filter reads its neighbours without asking for a row twice.
// Each ring row holds the image row with margin pixels repeated beyond
// both ends. The preview runs the same rows over the tile.
//
// Ring coordinates, when image row y is filtered on the host: ring row k
// (0 = oldest) holds image row max(top, y - (ring size - 1) + k); ring
// column j holds image column j - margin of the filter area, the columns
// before it repeating the first pixel and those after it the pixel
// 2 x margin - 1 places before the last one.
#pragma once

#include "filters/frame/FilterEngine.h"
#include "filters/sdk/PIFilter.h"

#include <cstdint>
#include <vector>

class RowRingEngine : public FilterEngine {
public:
    RowRingEngine(FilterRecord* record, int32_t margin, int32_t ringSize);
    ~RowRingEngine() override;

    // Allocates the ring for the run about to start; false (and the result
    // word memFullErr) when memory runs out.
    virtual bool Begin();
    virtual void End();
    // One image row on the host: 0 when the row is done, nonzero when the
    // run must return to the host (a row awaited by Continue, or a failure
    // left in the result word).
    virtual int32_t HostRow(int32_t row);
    // One tile row of a preview run.
    virtual void PreviewRow(int32_t row);
    void RunOnHost() override;
    // Filters one row from the ring into out: the host's output row (row is
    // the image row) or the tile's working row (row is the tile row). The
    // base copies the current row.
    virtual void ProcessRow(uint8_t* out, int32_t row);
    void RunOnPreview(PreviewTile& tile) override;

    int32_t Margin() const { return margin_; }
    int32_t RingSize() const { return ringSize_; }
    bool Ready() const { return ready_; }

protected:
    // Asks the host for the rectangles in and out unless they were asked
    // for already (a deferred request the host has since delivered): 0 when
    // inData and outData hold them, nonzero when the run must return to the
    // host.
    int32_t FetchHostRect(const Rect& in, const Rect& out);
    // The image row in goes into the ring: on the first host row into every
    // ring row, later rows after the ring rotates; a preview row rotates
    // the ring over its zero-filled start.
    virtual void FeedHostRow(const uint8_t* in);
    virtual void FeedPreviewRow(const uint8_t* in);
    // The image row after the last one a host run filters.
    virtual int32_t HostRowsEnd() const { return record_->filterRect.bottom; }

    // Ring row k (0 = oldest) at ring column 0, the first margin pixel.
    uint8_t* RingRow(int32_t k) { return ring_[size_t(k)].data(); }
    // The pixel at ring column j of ring row k.
    uint8_t* RingPixel(int32_t k, int32_t j) { return RingRow(k) + size_t(j) * size_t(planes_); }
    // The oldest row pointer moves to the last place.
    void RotateRing();
    // Copies one row of pixels into ring row k and repeats its edges into
    // the margins.
    void PutRow(int32_t k, const uint8_t* row);
    void FillMargins(uint8_t* ringRow) const;
    // Starts the module's random sequence over for a run.
    static void RestartRandom();

    FilterRecord* record_;
    int32_t margin_;
    int32_t ringSize_;
    // Pixels of a row: the filter width on the host, the tile width in a
    // preview.
    int32_t workWidth_ = 0;
    int32_t planes_ = 0;
    bool preview_ = false;
    PreviewTile* tile_ = nullptr;
    // The next image row to filter.
    int32_t currentRow_ = 0;
    bool ready_ = false;
    // The next HostRow asks the host for its row first.
    bool fetchPending_ = true;
    // The ring has not been primed with the first row yet.
    bool firstBand_ = true;

private:
    std::vector<std::vector<uint8_t>> ring_;
};
