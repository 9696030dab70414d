#include "filters/art/frame/RowRingEngine.h"

#include "filters/art/frame/ArtModuleState.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"

#include <QCursor>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Rows beyond this many bytes are refused rather than attempted: a margin
// read from damaged settings must not wrap the size.
constexpr int64_t kMaxRowBytes = int64_t{1} << 30;

class WaitCursor {
public:
    WaitCursor()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            set_ = true;
        }
    }
    ~WaitCursor()
    {
        if (set_)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool set_ = false;
};

} // namespace

RowRingEngine::RowRingEngine(FilterRecord* record, int32_t margin, int32_t ringSize)
    : record_(record), margin_(margin), ringSize_(ringSize)
{
}

RowRingEngine::~RowRingEngine() = default;

void RowRingEngine::RestartRandom() { RestartArtRand(); }

bool RowRingEngine::Begin()
{
    FilterModuleState& state = FrameState();
    const FilterRecord& r = *record_;
    planes_ = r.planes;
    workWidth_ = preview_ && tile_ ? tile_->width : r.filterRect.right - r.filterRect.left;
    const int64_t rowBytes = int64_t{planes_} * (int64_t{workWidth_} + 2 * int64_t{margin_}) + 16;
    if (margin_ < 0 || ringSize_ < 1 || planes_ <= 0 || workWidth_ <= 0 || rowBytes > kMaxRowBytes) {
        End();
        state.result = memFullErr;
        return false;
    }
    try {
        ring_.assign(size_t(ringSize_), std::vector<uint8_t>(size_t(rowBytes), 0));
    } catch (const std::bad_alloc&) {
        End();
        state.result = memFullErr;
        return false;
    }
    ready_ = true;
    state.result = 0;
    return true;
}

void RowRingEngine::End()
{
    ring_.clear();
    ring_.shrink_to_fit();
    ready_ = false;
    fetchPending_ = true;
}

void RowRingEngine::RotateRing() { std::rotate(ring_.begin(), ring_.begin() + 1, ring_.end()); }

void RowRingEngine::FillMargins(uint8_t* ringRow) const
{
    const size_t p = size_t(planes_);
    const uint8_t* first = ringRow + size_t(margin_) * p;
    // A row narrower than two margins repeats its first pixel instead of
    // reading before its start.
    const int32_t source = std::max(0, workWidth_ - 2 * margin_);
    const uint8_t* right = first + size_t(source) * p;
    for (int32_t i = 0; i < margin_; ++i) {
        std::memcpy(ringRow + size_t(i) * p, first, p);
        std::memcpy(ringRow + size_t(margin_ + workWidth_ + i) * p, right, p);
    }
}

void RowRingEngine::PutRow(int32_t k, const uint8_t* row)
{
    uint8_t* ringRow = RingRow(k);
    std::memcpy(ringRow + size_t(margin_) * size_t(planes_), row, size_t(workWidth_) * size_t(planes_));
    FillMargins(ringRow);
}

void RowRingEngine::RunOnHost()
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *record_;
    const Rect f = r.filterRect;
    preview_ = false;
    tile_ = nullptr;
    if (f.bottom <= f.top || f.right <= f.left || r.planes <= 0) {
        r.inRect = r.outRect = r.maskRect = Rect{0, 0, 0, 0};
        return;
    }
    if (!ready_) {
        RestartRandom();
        if (!Begin())
            return;
        currentRow_ = f.top;
    }
    r.inRect.left = r.outRect.left = f.left;
    r.inRect.right = r.outRect.right = f.right;
    r.inLoPlane = r.outLoPlane = 0;
    r.inHiPlane = r.outHiPlane = int16_t(r.planes - 1);
    r.maskRect = Rect{0, 0, 0, 0};
    r.inputRate = r.maskRate = PI_FIXED_ONE;

    WaitCursor wait;
    bool aborted = false;
    const int32_t end = HostRowsEnd();
    for (int32_t row = currentRow_; row < end; ++row) {
        if (r.progressProc)
            r.progressProc(row - f.top, end - f.top);
        if (r.abortProc && r.abortProc()) {
            aborted = true;
            break;
        }
        if (HostRow(row) != 0) {
            if (AdvanceDeferred())
                return; // the host delivers the row and calls Continue again
            break;
        }
    }
    r.inRect = r.outRect = Rect{0, 0, 0, 0};
    End();
    // The rows done stay filtered; the host learns of the abort from the
    // answer too, not only from its own state.
    if (aborted)
        state.result = userCanceledErr;
}

int32_t RowRingEngine::FetchHostRect(const Rect& in, const Rect& out)
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *record_;
    if (fetchPending_) {
        fetchPending_ = false;
        r.inRect = in;
        r.outRect = out;
        if (state.advanceHost() != 0) {
            if (!AdvanceDeferred())
                End();
            return 1;
        }
    }
    if (!r.inData || !r.outData) {
        // The host answered without the rectangles asked for.
        state.result = filterBadParameters;
        End();
        return 1;
    }
    return 0;
}

void RowRingEngine::FeedHostRow(const uint8_t* in)
{
    if (firstBand_) {
        // The top row stands for the rows above the image.
        for (int32_t k = 0; k < ringSize_; ++k)
            PutRow(k, in);
        firstBand_ = false;
    } else {
        RotateRing();
        PutRow(ringSize_ - 1, in);
    }
}

void RowRingEngine::FeedPreviewRow(const uint8_t* in)
{
    RotateRing();
    PutRow(ringSize_ - 1, in);
}

int32_t RowRingEngine::HostRow(int32_t row)
{
    FilterRecord& r = *record_;
    const Rect& f = r.filterRect;
    const Rect line{int16_t(row), f.left, int16_t(row + 1), f.right};
    if (FetchHostRect(line, line) != 0)
        return 1;
    FeedHostRow(static_cast<const uint8_t*>(r.inData));
    ProcessRow(static_cast<uint8_t*>(r.outData), row);
    fetchPending_ = true;
    currentRow_ = row + 1;
    return 0;
}

void RowRingEngine::PreviewRow(int32_t row)
{
    FeedPreviewRow(tile_->UnfilteredAt(0, row));
    ProcessRow(tile_->WorkingAt(0, row), row);
}

void RowRingEngine::ProcessRow(uint8_t* out, int32_t)
{
    std::memcpy(out, RingPixel(ringSize_ - 1, margin_), size_t(workWidth_) * size_t(planes_));
}

void RowRingEngine::RunOnPreview(PreviewTile& tile)
{
    if (!tile.unfiltered || !tile.working || tile.width <= 0 || tile.height <= 0)
        return;
    preview_ = true;
    tile_ = &tile;
    RestartRandom();
    // The preview's ring starts zero-filled: its first rows see black above.
    if (Begin()) {
        for (int32_t i = 0; i < tile.height; ++i)
            PreviewRow(i);
        End();
    }
    preview_ = false;
    tile_ = nullptr;
}
