#include "filters/rubber/PageCurlEngine.h"

#include "filters/frame/FilterModuleState.h"
#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"
#include "filters/rubber/PageCurl.h"

#include <algorithm>

PageCurlEngine::PageCurlEngine(FilterRecord* record, const SevenLongParams* params)
    : DisplacementEngine(record), params_(params)
{
}

bool PageCurlEngine::AskRow(int32_t row)
{
    FilterRecord& r = *record_;
    const Rect& f = SavedFilter();
    const int32_t y = f.top + row;
    r.outRect = Rect{int16_t(y), f.left, int16_t(y + 1), f.right};
    r.inRect = Rect{int16_t(std::max<int32_t>(f.top, y - 1)), f.left, int16_t(std::min<int32_t>(f.bottom, y + 2)),
                    f.right};
    return Advance(row, 0);
}

void PageCurlEngine::RunOnHost()
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *record_;
    if (!MeasureWork())
        return;
    if (!started_) {
        PrepareRun();
        r.inputRate = PI_FIXED_ONE;
        resumeRow_ = 0;
        if (!AskRow(0))
            return;
    }
    const PageCurl curl(params_->strength, params_->size, workWidth_, workHeight_);
    const Rect& f = SavedFilter();
    const int32_t planes = r.planes;
    uint8_t background[4];
    for (int32_t k = 0; k < 4; ++k)
        background[k] = r.backColor[k];
    for (int32_t row = resumeRow_; row < workHeight_; ++row) {
        if (r.abortProc && r.abortProc()) {
            EndRun();
            state.result = userCanceledErr;
            return;
        }
        if (r.progressProc)
            r.progressProc(row, workHeight_);
        if (!r.inData || !r.outData) {
            // The host answered without the rows asked for.
            EndRun();
            state.result = filterBadParameters;
            return;
        }
        const int32_t y = f.top + row;
        const auto* in = static_cast<const uint8_t*>(r.inData);
        auto line = [&](int32_t at) {
            return in + (std::clamp<int32_t>(at, f.top, f.bottom - 1) - r.inRect.top) * r.inRowBytes;
        };
        curl.Row(row, line(y - 1), line(y), line(y + 1), planes, background, static_cast<uint8_t*>(r.outData));
        if (row + 1 < workHeight_ && !AskRow(row + 1))
            return;
    }
    AskAllPlanes();
    EndRun();
    r.outRect = r.inRect = r.maskRect = Rect{0, 0, 0, 0};
    if (state.hostNumber != 2)
        state.advanceHost();
}

void PageCurlEngine::RunOnPreview(PreviewTile& tile)
{
    const PageCurl curl(params_->strength, params_->size, tile.width, tile.height);
    uint8_t background[4] = {};
    if (record_)
        for (int32_t k = 0; k < 4; ++k)
            background[k] = record_->backColor[k];
    for (int32_t row = 0; row < tile.height; ++row) {
        auto line = [&](int32_t at) { return tile.UnfilteredAt(0, std::clamp(at, 0, tile.height - 1)); };
        curl.Row(row, line(row - 1), line(row), line(row + 1), tile.planes, background, tile.WorkingAt(0, row));
    }
    End();
}
